#pragma once
// Every HTML page the program shows is written as files into the data
// directory and loaded by the hosted browser: a redirect page that switches to
// the content page after one second, so the content arrives with its
// page-enter transition.
#include <cstdio>
#include <string>

enum class PageBody { B1, B2, B3, B4 };
enum class PrintRow { None, P1, P2 };
enum class PageClosing { C1, C2, C3, C4, C5 };

struct PageSpec {
    std::string redirectName;  // e.g. "effects.htm"
    std::string contentName;   // e.g. "reading.htm"
    int transitionDuration = 3;
    PageBody body = PageBody::B1;
    bool centredRow = false;   // "<tr><td align=\"center\">" instead of "<tr><td>"
    std::string content;       // written through "%s"
    PrintRow printRow = PrintRow::None;
    PageClosing closing = PageClosing::C1;
};

// Writes the redirect page, then the content page; returns the full path of
// the redirect page. A file that cannot be written is skipped silently.
std::string WritePagePair(const std::string& dataDirectory, const PageSpec& page,
                          bool* contentWritten = nullptr);

// For windows that must not open on a page they could not write (the
// explanation and superstition pages stay closed then, without a message):
// the redirect page's full path, or an empty text when the content page
// could not be written.
std::string WritePagePairForWindow(const std::string& dataDirectory, const PageSpec& page);

// Writes "tip_e.htm" alone (the Quick Tip opens it directly); returns its path.
std::string WriteQuickTipPage(const std::string& dataDirectory, const std::string& hint);

// The pieces of the frame, for a page that lays out the rest of its content
// page itself (the sign panel). Each writes to an open file.

// The redirect page at `redirectPath`, switching to `contentPath`; skipped
// silently when the file cannot be opened.
void WriteRedirectPage(const std::string& redirectPath, const std::string& contentPath);

// "<html>", the comment and the head with its page-enter transition.
void WritePageHead(std::FILE* file, int transitionDuration);

// The body tag of a content page.
const char* BodyTag(PageBody body);

// The script that stops the user from selecting the page's text.
void WriteAntiSelectionScript(std::FILE* file);
