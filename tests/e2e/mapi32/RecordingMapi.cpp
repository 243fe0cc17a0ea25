// A mapi32.dll for the end-to-end tests: instead of handing the message to a
// mail client it appends what MAPISendMail received to a file, and answers
// with the result code the test chose.
//
//   ORACLINE_MAPI_RECORD  file to append to (default C:\oracline-mail.txt)
//   ORACLINE_MAPI_RESULT  MAPISendMail's result, in decimal (default 0)
//
// One block per call, one item per line, fields separated by tabs; a missing
// string is written as "(null)". Line feeds inside texts are written as "\n".
#include <windows.h>
#include <mapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Environment(const char* name, const char* fallback)
{
    char value[1024] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? value : fallback;
}

std::string Text(const char* text)
{
    if (!text)
        return "(null)";
    std::string out;
    for (; *text; ++text) {
        if (*text == '\n')
            out += "\\n";
        else if (*text == '\r')
            out += "\\r";
        else
            out += *text;
    }
    return out;
}

std::string Describe(ULONG_PTR owner, const MapiMessage* message, FLAGS flags)
{
    std::string out = "MAPISendMail\n";
    out += "flags\t" + std::to_string(flags) + "\n";
    out += std::string("owner\t") + (owner ? "yes" : "no") + "\n";
    if (!message)
        return out + "message\t(null)\nend\n";
    out += "subject\t" + Text(message->lpszSubject) + "\n";
    out += "note\t" + Text(message->lpszNoteText) + "\n";
    if (message->lpOriginator)
        out += "originator\t" + std::to_string(message->lpOriginator->ulRecipClass) + "\t" +
               Text(message->lpOriginator->lpszName) + "\t" + Text(message->lpOriginator->lpszAddress) +
               "\n";
    else
        out += "originator\t(null)\n";
    for (ULONG i = 0; i < message->nRecipCount && message->lpRecips; ++i) {
        const MapiRecipDesc& r = message->lpRecips[i];
        out += "recipient\t" + std::to_string(r.ulRecipClass) + "\t" + Text(r.lpszName) + "\t" +
               Text(r.lpszAddress) + "\n";
    }
    for (ULONG i = 0; i < message->nFileCount && message->lpFiles; ++i) {
        const MapiFileDesc& f = message->lpFiles[i];
        out += "attachment\t" + Text(f.lpszPathName) + "\t" + Text(f.lpszFileName) + "\t" +
               std::to_string(f.nPosition) + "\n";
    }
    return out + "end\n";
}

} // namespace

extern "C" {

ULONG WINAPI MAPILogon(ULONG_PTR, LPSTR, LPSTR, FLAGS, ULONG, LPLHANDLE session)
{
    if (session)
        *session = 1;
    return SUCCESS_SUCCESS;
}

ULONG WINAPI MAPILogoff(LHANDLE, ULONG_PTR, FLAGS, ULONG) { return SUCCESS_SUCCESS; }

ULONG WINAPI MAPISendMail(LHANDLE, ULONG_PTR owner, lpMapiMessage message, FLAGS flags, ULONG)
{
    const std::string path = Environment("ORACLINE_MAPI_RECORD", "C:\\oracline-mail.txt");
    if (FILE* file = std::fopen(path.c_str(), "ab")) {
        const std::string record = Describe(owner, message, flags);
        std::fwrite(record.data(), 1, record.size(), file);
        std::fclose(file);
    }
    return std::strtoul(Environment("ORACLINE_MAPI_RESULT", "0").c_str(), nullptr, 10);
}

} // extern "C"
