#include "driver/MailRecord.h"

#include "driver/Driver.h"

namespace e2e {

std::vector<std::string> ReadMailRecord()
{
    const std::string record = ReadFileBytes(kMailRecordPath), call = "MAPISendMail\n";
    std::vector<std::string> mails;
    for (size_t at = record.find(call); at != std::string::npos;) {
        const size_t next = record.find(call, at + call.size());
        mails.push_back(record.substr(at + call.size(), next == std::string::npos ? next : next - at - call.size()));
        at = next;
    }
    return mails;
}

std::string MailItem(const std::string& mail, const std::string& item)
{
    // Found in the text with a line feed before it, the item starts at the
    // same place in the call's own text.
    const size_t at = ("\n" + mail).find("\n" + item + "\t");
    if (at == std::string::npos)
        return {};
    const size_t start = at + item.size() + 1;
    return mail.substr(start, mail.find('\n', start) - start);
}

std::string SystemMailLibrary()
{
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\mapi32.dll";
}

void RegisterTestMailProgram(bool registered)
{
    const std::string program = registered ? "Oracline Test Mail" : "Native Mail Client";
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail", nullptr, REG_SZ, program.c_str(),
                    static_cast<DWORD>(program.size() + 1));
    const std::string library = SystemMailLibrary();
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail\\Oracline Test Mail", "DLLPath", REG_SZ,
                    library.c_str(), static_cast<DWORD>(library.size() + 1));
}

void PrepareMailRecord()
{
    CopyFileA(BesideTestExe("mapi32.dll").c_str(), SystemMailLibrary().c_str(), FALSE);
    RegisterTestMailProgram(true);
    DeleteFileA(kMailRecordPath);
    for (int i = 1; DeleteFileA(AttachmentCopy(i).c_str()); ++i) {
    }
}

} // namespace e2e
