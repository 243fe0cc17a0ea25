#define _CRT_RAND_S  // rand_s, the system's random source

#include "mail/win/MailSenders.h"

#include "base/WipedText.h"
#include "win/AccountFolders.h"
#include "mail/MimeMessage.h"
#include "mail/win/MailCredential.h"
#include "mail/win/SchannelConnection.h"
#include "mail/win/SimpleMapiSender.h"

#include <windows.h>

#include <cstdio>

namespace {

// The Date header for now, with the local offset from UTC.
std::string MailDateNow()
{
    SYSTEMTIME local{};
    GetLocalTime(&local);
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    FILETIME localTime{}, utcTime{};
    SystemTimeToFileTime(&local, &localTime);
    SystemTimeToFileTime(&utc, &utcTime);
    const auto ticks = [](FILETIME time) {
        return static_cast<long long>(ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart);
    };
    // Rounded to whole minutes: the two clock readings lie a moment apart.
    const long long offsetMinutes = (ticks(localTime) - ticks(utcTime) + 300000000LL) / 600000000LL;
    return FormatMailDate({local.wYear, local.wMonth, local.wDay}, local.wDayOfWeek, local.wHour, local.wMinute,
                          local.wSecond, static_cast<int>(offsetMinutes));
}

// 32 hex digits from the system's random source, with the time in front so
// two tokens never meet even if that source failed.
std::string RandomToken()
{
    unsigned int words[4] = {};
    for (unsigned int& word : words)
        rand_s(&word);
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    char text[64];
    std::snprintf(text, sizeof text, "%08lx%08x%08x%08x%08x", static_cast<unsigned long>(now.dwLowDateTime), words[0],
                  words[1], words[2], words[3]);
    return text;
}

// What EHLO calls this computer: its DNS name, or an address-free stand-in.
std::string ClientName()
{
    char name[256] = {};
    DWORD size = sizeof name;
    if (!GetComputerNameExA(ComputerNameDnsHostname, name, &size) || !IsServerName(name))
        return "localhost";
    return name;
}

} // namespace

std::string AccountMailSettingsPath() { return AccountDataDirectory() + kMailSettingsFileName; }

MailSettings ReadAccountMailSettings()
{
    MailSettings settings;
    ReadMailSettings(AccountMailSettingsPath(), settings);
    return settings;
}

bool NeedsMailSettings() { return ChooseMailWay(ReadAccountMailSettings(), HasMailProgram()) == MailWay::none; }

bool CanSendMail()
{
    const MailSettings settings = ReadAccountMailSettings();
    return settings.method == MailMethod::smtp ? SendsThroughServer(settings) : CanSendThroughMailProgram();
}

std::unique_ptr<ServerMailSender> CreateServerSender(const MailSettings& settings, const std::string& password)
{
    ServerMailTools tools;
    tools.openConnection = CreateSchannelConnection;
    tools.now = MailDateNow;
    tools.token = RandomToken;
    tools.clientName = ClientName();
    return std::make_unique<ServerMailSender>(settings, password, tools);
}

std::unique_ptr<MailSender> CreateConfiguredSender(MailWindows windows)
{
    const MailSettings settings = ReadAccountMailSettings();
    if (settings.method != MailMethod::smtp)
        return CreateMailSender(windows);
    // Settings that choose the server send through it or not at all: the
    // mail program is another route, which the user did not choose.
    if (!SendsThroughServer(settings))
        return nullptr;
    WipedText password;
    ReadMailPassword(settings, password.Text());
    return CreateServerSender(settings, password.Text());
}
