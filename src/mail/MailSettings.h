#pragma once
// How the account's mail goes out: through the user's mail program (Simple
// MAPI) or straight to the mail provider's server. Kept in "mail.ini" in the
// data folder, one "Key:value" line each; the password is never in it (it is
// the account's credential "Oracline Mail").
#include <string>

inline constexpr const char* kMailSettingsFileName = "mail.ini";
inline constexpr const char* kMailCredentialName = "Oracline Mail";

enum class MailMethod { mapi, smtp };
// STARTTLS upgrades a plain connection (usually port 587); TLS starts
// encrypted (usually 465). There is no unencrypted choice.
enum class MailSecurity { startTls, tls };

inline constexpr int kStartTlsPort = 587;
inline constexpr int kTlsPort = 465;

struct MailSettings {
    MailMethod method = MailMethod::mapi;
    std::string server;
    int port = kStartTlsPort;
    MailSecurity security = MailSecurity::startTls;
    std::string user;
    std::string from;
};

int DefaultPort(MailSecurity security);

// The file's lines: "Method:SMTP", "Server:…", "Port:587", "Security:STARTTLS",
// "User:…", "From:…".
std::string FormatMailSettings(const MailSettings& settings);
bool WriteMailSettings(const std::string& path, const MailSettings& settings);

// Replaces `settings` with what the file holds; false, with the defaults,
// when there is no readable file. Whatever a line holds, the result is
// usable: an unknown method is MAPI, an unknown security STARTTLS, a port
// outside 1 to 65535 the security's own, and a value with control characters
// is dropped (it would reach the server as a command of its own).
bool ReadMailSettings(const std::string& path, MailSettings& settings);

// An address the mail server can be given between "<" and ">": printable
// ASCII without blanks or the characters that end it, a local part, "@" and a
// domain.
bool IsMailboxAddress(const std::string& text);

// A server name or address literal without blanks or control characters.
bool IsServerName(const std::string& text);
// True when the server is given by an address ("127.0.0.1", "::1", and the
// numeric forms the resolver reads as one) rather than by a name: no name
// ends in a label of digits alone.
bool IsAddressLiteral(const std::string& server);

// What the stored password is kept for: "server:port user", the server's
// name folded to lower case. The password goes to no server, port or user
// name other than the one it was entered for.
std::string MailPasswordBinding(const MailSettings& settings);

// The key ("Server:", "From:") of the first value that keeps settings which
// choose the mail server from reaching it (missing, or dropped by the reader
// for a control character), or null when they can send or choose no server.
const char* UnusableServerSetting(const MailSettings& settings);

// True when the settings choose the mail server and name one and a sender.
bool SendsThroughServer(const MailSettings& settings);

enum class MailWay { server, mailProgram, none };
// The server when the settings choose it and name it and a sender; the mail
// program when the settings leave the mail to one and there is one; none
// otherwise, and the user is asked for settings.
MailWay ChooseMailWay(const MailSettings& settings, bool hasMailProgram);
