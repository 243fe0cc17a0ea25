#include "driver/MailRecord.h"

#include "driver/Driver.h"

#include <algorithm>
#include <sstream>

namespace e2e {

std::vector<SentMail> ReadMailRecord()
{
    const std::string path = kMailRecordPath;
    std::vector<SentMail> mails;
    std::istringstream in(ReadFileBytes(path));
    std::string line;
    int copies = 0;
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::istringstream fields(line + "\t");
        for (std::string field; std::getline(fields, field, '\t');)
            f.push_back(field);
        const std::string rest = line.substr(std::min(line.size(), f[0].size() + 1));
        if (f[0] == "MAPISendMail")
            mails.emplace_back();
        else if (mails.empty())
            continue;
        else if (f[0] == "library")
            mails.back().library = rest;
        else if (f[0] == "flags")
            mails.back().flags = std::stoul(rest);
        else if (f[0] == "owner")
            mails.back().owner = rest == "yes";
        else if (f[0] == "subject")
            mails.back().subject = rest;
        else if (f[0] == "note")
            mails.back().note = rest;
        else if (f[0] == "originator")
            mails.back().originator = rest;
        else if (f[0] == "recipient" && f.size() == 4)
            mails.back().recipients.push_back({std::stoi(f[1]), f[2], f[3]});
        else if (f[0] == "attachment" && f.size() == 4)
            mails.back().attachments.push_back({f[1], f[2], std::stoul(f[3]), path + "." + std::to_string(++copies)});
    }
    return mails;
}

std::string SystemMailLibrary()
{
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\mapi32.dll";
}

void PrepareMailRecord()
{
    const std::string path = kMailRecordPath;
    CopyFileA(BesideTestExe("mapi32.dll").c_str(), SystemMailLibrary().c_str(), FALSE);
    DeleteFileA(path.c_str());
    DeleteFileA((path + ".result").c_str());
    for (int i = 1; DeleteFileA((path + "." + std::to_string(i)).c_str()); ++i) {
    }
}

void SetMailResult(unsigned long result) { WriteFileBytes(std::string(kMailRecordPath) + ".result", std::to_string(result)); }

} // namespace e2e
