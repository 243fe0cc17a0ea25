#pragma once
// What the recording mapi32.dll of the tests wrote: one entry per call of
// MAPISendMail. Launch Oracline.exe with WINEDLLOVERRIDES holding
// "mapi32=n,b" (wine-run.sh sets it) so the recording library is loaded.
#include <string>
#include <vector>

namespace e2e {

// Where the recording library writes.
constexpr const char* kMailRecordPath = "C:\\oracline-mail.txt";

// Where the program must take its mail library from.
std::string SystemMailLibrary();

struct MailRecipient {
    int recipientClass = -1;
    std::string name;     // "(null)" when none was given
    std::string address;
};

struct MailAttachment {
    std::string path;
    std::string name;
    unsigned long position = 0;
    // The recording library's copy of the file as it was during the call.
    std::string copy;
};

struct SentMail {
    std::string library;  // the recording library's own path
    unsigned long flags = 0;
    bool owner = false;
    std::string subject;
    std::string note;  // line feeds appear as "\n"
    std::string originator;  // class, name and address joined by tabs, or "(null)"
    std::vector<MailRecipient> recipients;
    std::vector<MailAttachment> attachments;
};

// Every call recorded in the file, oldest first; empty when there is none.
std::vector<SentMail> ReadMailRecord();

// Removes the record, its copies and a result file, and puts the recording
// library into the prefix's System32, the only place the program loads it
// from (the build folder's copy beside Oracline.exe stands for a planted one).
void PrepareMailRecord();
// The result code for the next calls, also in a program already running.
void SetMailResult(unsigned long result);

} // namespace e2e
