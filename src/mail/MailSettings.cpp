#include "mail/MailSettings.h"

#include "base/AsciiText.h"
#include "base/SafeFileWriter.h"
#include "base/TextLines.h"

#include <cstring>

namespace {

const char* const kMethodKey = "Method:";
const char* const kServerKey = "Server:";
const char* const kPortKey = "Port:";
const char* const kSecurityKey = "Security:";
const char* const kUserKey = "User:";
const char* const kFromKey = "From:";

bool HasControlCharacter(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

bool IsPlainPrintable(char c) { return c > 0x20 && c < 0x7F; }

} // namespace

int DefaultPort(MailSecurity security) { return security == MailSecurity::tls ? kTlsPort : kStartTlsPort; }

std::string FormatMailSettings(const MailSettings& settings)
{
    return std::string(kMethodKey) + (settings.method == MailMethod::smtp ? "SMTP" : "MAPI") + "\n" + kServerKey +
           settings.server + "\n" + kPortKey + std::to_string(settings.port) + "\n" + kSecurityKey +
           (settings.security == MailSecurity::tls ? "TLS" : "STARTTLS") + "\n" + kUserKey + settings.user + "\n" +
           kFromKey + settings.from + "\n";
}

bool WriteMailSettings(const std::string& path, const MailSettings& settings)
{
    return WriteTextFileSafely(path, FormatMailSettings(settings));
}

bool ReadMailSettings(const std::string& path, MailSettings& settings)
{
    settings = MailSettings{};
    std::string port;
    const bool read = ForEachLine(path, [&](const std::string& read) {
        std::string line = read;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const struct {
            const char* key;
            std::string* value;
        } texts[] = {{kServerKey, &settings.server}, {kUserKey, &settings.user}, {kFromKey, &settings.from},
                     {kPortKey, &port}};
        for (const auto& text : texts)
            if (StartsWithKey(line, text.key))
                *text.value = HasControlCharacter(line) ? "" : line.substr(std::strlen(text.key));
        if (StartsWithKey(line, kMethodKey))
            settings.method = line.substr(std::strlen(kMethodKey)) == "SMTP" ? MailMethod::smtp : MailMethod::mapi;
        if (StartsWithKey(line, kSecurityKey))
            settings.security =
                line.substr(std::strlen(kSecurityKey)) == "TLS" ? MailSecurity::tls : MailSecurity::startTls;
    });
    const int number = port.empty() ? 0 : LeadingInteger(port);
    settings.port = number >= 1 && number <= 65535 ? number : DefaultPort(settings.security);
    if (!read)
        settings = MailSettings{};
    return read;
}

bool IsMailboxAddress(const std::string& text)
{
    const std::size_t at = text.rfind('@');
    if (text.size() > 254 || at == std::string::npos || at == 0 || at + 1 == text.size() ||
        text.find('@') != at)
        return false;
    for (char c : text)
        if (!IsPlainPrintable(c) || std::strchr("<>()[],;:\\\"", c))
            return false;
    return true;
}

bool IsServerName(const std::string& text)
{
    if (text.empty() || text.size() > 253)
        return false;
    for (char c : text)
        if (!IsPlainPrintable(c) || std::strchr("<>()\\\",;@/", c))
            return false;
    return true;
}

const char* UnusableServerSetting(const MailSettings& settings)
{
    if (settings.method != MailMethod::smtp)
        return nullptr;
    if (!IsServerName(settings.server))
        return kServerKey;
    if (!IsMailboxAddress(settings.from))
        return kFromKey;
    return nullptr;
}

bool IsAddressLiteral(const std::string& server)
{
    if (server.find_first_of(":[]") != std::string::npos)
        return true;
    std::string name = server;
    if (!name.empty() && name.back() == '.')
        name.pop_back();
    const auto digits = [](const std::string& label, const char* allowed) {
        return !label.empty() && label.find_first_not_of(allowed) == std::string::npos;
    };
    bool allNumeric = !name.empty();
    std::string last;
    for (std::size_t start = 0; start <= name.size();) {
        const std::size_t end = std::min(name.find('.', start), name.size());
        last = name.substr(start, end - start);
        const std::string folded = LowerAscii(last);
        allNumeric = allNumeric && (digits(last, "0123456789") ||
                                    (folded.compare(0, 2, "0x") == 0 && digits(folded.substr(2) + "0", "0123456789abcdef")));
        start = end + 1;
    }
    return allNumeric || digits(last, "0123456789");
}

std::string MailPasswordBinding(const MailSettings& settings)
{
    // The server name holds no blank, so the first blank ends it and its port.
    return LowerAscii(settings.server) + ":" + std::to_string(settings.port) + " " + settings.user;
}

bool SendsThroughServer(const MailSettings& settings)
{
    return settings.method == MailMethod::smtp && !UnusableServerSetting(settings);
}

MailWay ChooseMailWay(const MailSettings& settings, bool hasMailProgram)
{
    if (settings.method == MailMethod::smtp)
        return SendsThroughServer(settings) ? MailWay::server : MailWay::none;
    return hasMailProgram ? MailWay::mailProgram : MailWay::none;
}
