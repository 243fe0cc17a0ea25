// A mapi32.dll for the end-to-end tests: instead of handing the message to a
// mail client it appends what MAPISendMail received to a file and answers
// success.
//
// One block per call, one item per line, fields separated by tabs; a missing
// string is written as "(null)". The first item is where this library was
// loaded from, so a test can tell the System32 copy from a planted one. Line
// feeds inside texts are written as "\n".
// Each attachment is copied beside the record as ".1", ".2", ... after the
// record's name (counting over all calls), since the program may delete it
// once the call returns.
#include <windows.h>
#include <mapi.h>

#include <fstream>
#include <string>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

const std::string kRecord = "C:\\oracline-mail.txt";

std::string Text(const char* text)
{
    std::string out = text ? "" : "(null)";
    for (; text && *text; ++text)
        out += *text == '\n' ? std::string("\\n") : *text == '\r' ? std::string("\\r") : std::string(1, *text);
    return out;
}

std::string Recipient(const MapiRecipDesc* r)
{
    return r ? std::to_string(r->ulRecipClass) + "\t" + Text(r->lpszName) + "\t" + Text(r->lpszAddress) : "(null)";
}

std::string Describe(ULONG_PTR owner, const MapiMessage& message, FLAGS flags)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(reinterpret_cast<HMODULE>(&__ImageBase), self, MAX_PATH);
    std::string out = "MAPISendMail\nlibrary\t" + std::string(self) + "\nflags\t" + std::to_string(flags) + "\nowner\t" + (owner ? "yes" : "no") +
                      "\nsubject\t" + Text(message.lpszSubject) + "\nnote\t" + Text(message.lpszNoteText) +
                      "\noriginator\t" + Recipient(message.lpOriginator) + "\n";
    for (ULONG i = 0; message.lpRecips && i < message.nRecipCount; ++i)
        out += "recipient\t" + Recipient(&message.lpRecips[i]) + "\n";
    for (ULONG i = 0; message.lpFiles && i < message.nFileCount; ++i)
        out += "attachment\t" + Text(message.lpFiles[i].lpszPathName) + "\t" + Text(message.lpFiles[i].lpszFileName) +
               "\t" + std::to_string(message.lpFiles[i].nPosition) + "\n";
    return out;
}

} // namespace

extern "C" {

// The program only checks that MAPILogon is there, as in a real mail library.
ULONG WINAPI MAPILogon(ULONG_PTR, LPSTR, LPSTR, FLAGS, ULONG, LPLHANDLE) { return SUCCESS_SUCCESS; }

ULONG WINAPI MAPILogoff(LHANDLE, ULONG_PTR, FLAGS, ULONG) { return SUCCESS_SUCCESS; }

ULONG WINAPI MAPISendMail(LHANDLE, ULONG_PTR owner, lpMapiMessage message, FLAGS flags, ULONG)
{
    const std::string& path = kRecord;
    // Copied before the record grows, so a test that sees the call finds the copies.
    // The program may unload the library between calls, so the next number
    // is the first one not taken.
    for (ULONG i = 0, n = 1; message && message->lpFiles && i < message->nFileCount; ++i, ++n) {
        while (GetFileAttributesA((path + "." + std::to_string(n)).c_str()) != INVALID_FILE_ATTRIBUTES)
            ++n;
        const std::string copy = path + "." + std::to_string(n);
        // An empty copy still takes its number, which the reader counts on.
        if (!CopyFileA(message->lpFiles[i].lpszPathName, copy.c_str(), FALSE))
            CloseHandle(CreateFileA(copy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    }
    std::ofstream(path, std::ios::app | std::ios::binary) << (message ? Describe(owner, *message, flags) : "MAPISendMail\n");
    return SUCCESS_SUCCESS;
}

} // extern "C"
