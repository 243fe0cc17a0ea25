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

// Every call recorded, oldest first, each as the lines the library wrote for
// it after "MAPISendMail" (its mapi32/RecordingMapi.cpp gives their form).
std::vector<std::string> ReadMailRecord();
// What follows the item's name and tab on its first line in one call
// ("attachment" gives path, name and position); empty when there is none.
std::string MailItem(const std::string& mail, const std::string& item);
// The library's copy of the n-th file attached, counting over all calls from 1.
inline std::string AttachmentCopy(int n) { return kMailRecordPath + ("." + std::to_string(n)); }

// Removes the record and its copies, and puts the recording
// library into the prefix's System32, the only place the program loads it
// from (the build folder's copy beside Oracline.exe stands for a planted one).
void PrepareMailRecord();
// Registers the recording library as the default mail program's Simple MAPI
// library, or (false) leaves the machine without a mail program: the default
// is Wine's own hand-off again, which wineboot registers in every prefix.
void RegisterTestMailProgram(bool registered);

} // namespace e2e
