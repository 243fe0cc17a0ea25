#include "mail/MailSettingsModel.h"

#include "base/TextLines.h"

#include <utility>

std::vector<std::string> SecurityEntries() { return {"STARTTLS", "TLS"}; }

MailSettingsModel::MailSettingsModel(const MailSettings& settings, std::string storedBinding)
    : method(settings.method), server(settings.server), portText(std::to_string(settings.port)),
      securityIndex(settings.security == MailSecurity::tls ? 1 : 0), user(settings.user), from(settings.from),
      storedBinding_(std::move(storedBinding))
{
}

bool MailSettingsModel::StoredPasswordFits() const
{
    return !storedBinding_.empty() && storedBinding_ == MailPasswordBinding(Settings());
}

std::string MailSettingsModel::PasswordHint() const
{
    if (StoredPasswordFits())
        return "A password is stored; leave empty to keep it.";
    return storedBinding_.empty() || user.empty() ? "" : "Enter the password for this server, port and user name.";
}

void MailSettingsModel::MethodChosen(MailMethod chosen) { method = chosen; }

void MailSettingsModel::SecuritySelected(int index)
{
    if (index < 0 || index > 1)
        return;
    const MailSecurity before = securityIndex == 1 ? MailSecurity::tls : MailSecurity::startTls;
    const MailSecurity after = index == 1 ? MailSecurity::tls : MailSecurity::startTls;
    if (portText.empty() || portText == std::to_string(DefaultPort(before)))
        portText = std::to_string(DefaultPort(after));
    securityIndex = index;
}

MailRefusal MailSettingsModel::CheckForSave() const
{
    if (method == MailMethod::mapi)
        return {};
    if (server.empty())
        return {MailField::server, "Please enter your mail server first.    "};
    if (!IsServerName(server) || server.size() > kMailFieldLimit)
        return {MailField::server, "The mail server is not valid. Enter its name only, such as smtp.example.com.    "};
    // The certificate is checked against the name given, by the system's own
    // rules, and not every Windows matches an address against a certificate.
    if (IsAddressLiteral(server))
        return {MailField::server, "Please enter the mail server's name, such as smtp.example.com, not its address: "
                                   "its certificate is checked against that name.    "};
    const bool digits = !portText.empty() && portText.size() <= 5 &&
                        portText.find_first_not_of("0123456789") == std::string::npos;
    const int port = digits ? LeadingInteger(portText) : 0;
    if (port < 1 || port > 65535)
        return {MailField::port, "Please enter a port between 1 and 65535.    "};
    const auto hasControl = [](const std::string& text) {
        for (char c : text)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                return true;
        return false;
    };
    for (const auto& [field, text] : {std::pair{MailField::user, &user}, std::pair{MailField::password, &password}}) {
        if (hasControl(*text))
            return {field, "The user name and the password cannot hold control characters.    "};
        if (text->size() > kMailFieldLimit)
            return {field, "The user name and the password are limited to 100 characters.    "};
    }
    if (!user.empty() && password.empty() && !StoredPasswordFits())
        return {MailField::password, storedBinding_.empty()
                                         ? "Please enter your password first.    "
                                         : "Please enter the password again: the stored one is kept only for the "
                                           "server, port and user name it was entered with.    "};
    if (from.empty())
        return {MailField::from, "Please enter your sender address first.    "};
    if (!IsMailboxAddress(from) || from.size() > kMailFieldLimit)
        return {MailField::from, "The sender address is not valid.    "};
    return {};
}

MailSettings MailSettingsModel::Settings() const
{
    MailSettings settings;
    settings.method = method;
    settings.server = server;
    settings.security = securityIndex == 1 ? MailSecurity::tls : MailSecurity::startTls;
    const int port = LeadingInteger(portText);
    settings.port = port >= 1 && port <= 65535 ? port : DefaultPort(settings.security);
    settings.user = user;
    settings.from = from;
    return settings;
}

std::string TestMailAnswer(const SmtpOutcome& outcome, const MailSettings& settings)
{
    if (outcome.kind != SmtpOutcome::sent)
        return SmtpFailureMessage(outcome, settings);
    return "The test mail was sent to " + settings.from + ".    \nThe mail server answered: " + outcome.answer + "    ";
}
