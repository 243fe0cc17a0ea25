#pragma once
// Every HTML page the program shows is written as files into the data
// directory and loaded by the hosted browser: a redirect page that switches to
// the content page after one second, so the content arrives with its
// page-enter transition.
#include "pages/PageSink.h"

#include <string>

// The body tag of a content page: a grey page, centred or not, with scroll
// bars where the page is taller than its window or without; the sign panel's
// also starts its moving picture.
enum class PageBody { Centred, CentredNoScroll, NoScroll, NoScrollStartsScript };
// A last table row holding the Print link, with a gap under it or without.
enum class PrintRow { None, PrintLink, PrintLinkThenGap };
// What ends the content page after its table: a gap ("<p><br>") before the
// centring ends, the same gap on a page that is not centred, the end of the
// centring alone, a line break before it, or the end of the centring with
// the Print link and a gap below the table.
enum class PageClosing { Gap, GapUncentred, Tight, LineBreak, PrintLinkBelow };

struct PageSpec {
    std::string redirectName;  // e.g. "effects.htm"
    std::string contentName;   // e.g. "reading.htm"
    int transitionDuration = 3;
    PageBody body = PageBody::Centred;
    bool centredRow = false;   // "<tr><td align=\"center\">" instead of "<tr><td>"
    std::string content;       // written through "%s"
    PrintRow printRow = PrintRow::None;
    PageClosing closing = PageClosing::Gap;
};

// Writes the redirect page, then the content page; returns the full path of
// the redirect page, or an empty text when either could not be written (a
// window does not show a page it could not write).
std::string WritePagePair(PageSink& sink, const PageSpec& page);

// Writes "tip_e.htm" alone (the Quick Tip opens it directly); returns its
// path, or an empty text when it could not be written.
std::string WriteQuickTipPage(PageSink& sink, const std::string& hint);

// The pieces of the frame, for a page that lays out the rest of its content
// page itself (the sign panel).

// Writes the redirect page `redirectName`, switching to the page `contentName`
// of the same folder.
bool WriteRedirectPage(PageSink& sink, const std::string& redirectName, const std::string& contentName);

// "<html>", the comment and the head with its page-enter transition.
std::string PageHead(int transitionDuration);

// The body tag of a content page.
const char* BodyTag(PageBody body);

// The script that stops the user from selecting the page's text.
const char* AntiSelectionScript();

// A white page without transition (the Help Wizard's and the Quick Resize
// dialog's): head, body tag, `body`, end.
std::string WhitePage(const std::string& body);
