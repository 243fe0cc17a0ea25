#include "driver/MailRecord.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace e2e {

namespace {

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    if (!line.empty() && line.back() == '\t')
        fields.emplace_back();
    return fields;
}

} // namespace

std::vector<SentMail> ReadMailRecord(const std::string& path)
{
    std::vector<SentMail> mails;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (line == "MAPISendMail") {
            mails.emplace_back();
            continue;
        }
        if (mails.empty())
            continue;
        SentMail& mail = mails.back();
        const std::size_t tab = line.find('\t');
        const std::string key = line.substr(0, tab);
        const std::string rest = tab == std::string::npos ? "" : line.substr(tab + 1);
        const std::vector<std::string> f = Fields(rest);
        if (key == "flags")
            mail.flags = std::stoul(rest);
        else if (key == "owner")
            mail.owner = rest == "yes";
        else if (key == "subject")
            mail.subject = rest;
        else if (key == "note")
            mail.note = rest;
        else if (key == "originator")
            mail.originator = rest;
        else if (key == "recipient" && f.size() == 3)
            mail.recipients.push_back({std::stoi(f[0]), f[1], f[2]});
        else if (key == "attachment" && f.size() == 3)
            mail.attachments.push_back({f[0], f[1], std::stoul(f[2])});
    }
    return mails;
}

void PrepareMailRecord(unsigned long result, const std::string& path)
{
    DeleteFileA(path.c_str());
    SetEnvironmentVariableA("ORACLINE_MAPI_RECORD", path.c_str());
    SetEnvironmentVariableA("ORACLINE_MAPI_RESULT", std::to_string(result).c_str());
}

} // namespace e2e
