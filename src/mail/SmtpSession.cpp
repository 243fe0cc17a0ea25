#include "mail/SmtpSession.h"

#include "base/AsciiText.h"
#include "mail/MimeMessage.h"
#include "mail/SmtpReply.h"

#include <algorithm>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The QUIT at the end is a courtesy: the mail is delivered once the server
// took it, so its answer is waited for only briefly.
constexpr milliseconds kQuitLimit{2000};

bool HasWord(const std::string& words, const std::string& word)
{
    std::size_t start = 0;
    const std::string wanted = LowerAscii(word);
    while (start <= words.size()) {
        const std::size_t end = std::min(words.find(' ', start), words.size());
        if (LowerAscii(words.substr(start, end - start)) == wanted)
            return true;
        start = end + 1;
    }
    return false;
}

class Dialogue {
public:
    Dialogue(SmtpConnection& connection, const SmtpLimits& limits)
        : connection_(connection), limits_(limits), end_(Clock::now() + limits.whole)
    {
    }

    milliseconds Within(milliseconds step) const
    {
        const auto left = std::chrono::duration_cast<milliseconds>(end_ - Clock::now());
        return std::max(milliseconds(0), std::min(step, left));
    }

    // The next reply, or the outcome that ends the send.
    std::optional<SmtpOutcome> Read(SmtpReply& reply, milliseconds step)
    {
        while (!reader_.Next(reply)) {
            if (reader_.Malformed())
                return SmtpOutcome{SmtpOutcome::notSmtp, "", ""};
            const milliseconds limit = Within(step);
            if (limit.count() == 0)
                return SmtpOutcome{SmtpOutcome::timedOut, "", ""};
            std::string bytes;
            const Received received = connection_.Receive(bytes, limit);
            if (received != Received::data)
                return SmtpOutcome{received == Received::timedOut ? SmtpOutcome::timedOut : SmtpOutcome::closed,
                                   "", ""};
            reader_.Add(bytes);
        }
        return std::nullopt;
    }

    // Sends a command line (or the message) and reads the reply; a reply
    // other than `expected` ends the send as `kind`.
    std::optional<SmtpOutcome> Exchange(const std::string& bytes, SmtpReply& reply, std::initializer_list<int> expected,
                                        SmtpOutcome::Kind kind)
    {
        const milliseconds limit = Within(limits_.reply);
        if (limit.count() == 0 || !connection_.Send(bytes, limit))
            return SmtpOutcome{limit.count() == 0 ? SmtpOutcome::timedOut : SmtpOutcome::closed, "", ""};
        if (std::optional<SmtpOutcome> failed = Read(reply, limits_.reply))
            return failed;
        if (std::find(expected.begin(), expected.end(), reply.code) == expected.end())
            return SmtpOutcome{kind, reply.Text(), ""};
        return std::nullopt;
    }

    std::optional<SmtpOutcome> StartTls(const std::string& server)
    {
        std::string detail;
        const TlsResult result = connection_.StartTls(server, Within(limits_.reply), detail);
        if (result == TlsResult::secure) {
            secure_ = true;
            return std::nullopt;
        }
        return SmtpOutcome{result == TlsResult::untrusted ? SmtpOutcome::untrusted : SmtpOutcome::tlsRefused, detail, ""};
    }

    bool Secure() const { return secure_; }
    bool Pending() const { return reader_.HasPending(); }
    void Quit()
    {
        SmtpReply reply;
        const milliseconds limit = Within(kQuitLimit);
        if (limit.count() > 0 && connection_.Send("QUIT\r\n", limit))
            Read(reply, kQuitLimit);
    }

private:
    SmtpConnection& connection_;
    SmtpLimits limits_;
    Clock::time_point end_;
    SmtpReplyReader reader_;
    bool secure_ = false;
};

std::optional<SmtpOutcome> SignIn(Dialogue& dialogue, const SmtpReply& hello, const std::string& user,
                                  const std::string& password)
{
    // Never a password over a connection that is not encrypted.
    if (!dialogue.Secure())
        return SmtpOutcome{SmtpOutcome::tlsRefused, "the connection is not encrypted", ""};
    const std::string mechanisms = hello.Parameters("AUTH");
    SmtpReply reply;
    if (HasWord(mechanisms, "PLAIN"))
        return dialogue.Exchange("AUTH PLAIN " + Base64(std::string(1, '\0') + user + '\0' + password) + "\r\n", reply,
                                 {235}, SmtpOutcome::signInRefused);
    if (!HasWord(mechanisms, "LOGIN"))
        return SmtpOutcome{SmtpOutcome::signInRefused, "the server offers no sign-in by PLAIN or LOGIN", ""};
    if (auto failed = dialogue.Exchange("AUTH LOGIN\r\n", reply, {334}, SmtpOutcome::signInRefused))
        return failed;
    if (auto failed = dialogue.Exchange(Base64(user) + "\r\n", reply, {334}, SmtpOutcome::signInRefused))
        return failed;
    return dialogue.Exchange(Base64(password) + "\r\n", reply, {235}, SmtpOutcome::signInRefused);
}

std::optional<SmtpOutcome> Deliver(Dialogue& dialogue, SmtpConnection& connection, const MailSettings& settings,
                                   const std::string& password, const std::string& clientName,
                                   const SmtpEnvelope& envelope, const SmtpLimits& limits, SmtpReply& reply)
{
    std::string detail;
    if (!connection.Connect(settings.server, settings.port, dialogue.Within(limits.connect), detail))
        return SmtpOutcome{SmtpOutcome::unreachable, detail, ""};
    if (settings.security == MailSecurity::tls)
        if (auto failed = dialogue.StartTls(settings.server))
            return failed;
    if (auto failed = dialogue.Read(reply, limits.reply))
        return failed;
    if (reply.code != 220)
        return SmtpOutcome{SmtpOutcome::refused, reply.Text(), ""};
    const std::string ehlo = "EHLO " + clientName + "\r\n";
    SmtpReply hello;
    if (auto failed = dialogue.Exchange(ehlo, hello, {250}, SmtpOutcome::refused))
        return failed;
    if (settings.security == MailSecurity::startTls) {
        if (!hello.Offers("STARTTLS"))
            return SmtpOutcome{SmtpOutcome::tlsRefused, "the server does not offer STARTTLS", ""};
        if (auto failed = dialogue.Exchange("STARTTLS\r\n", reply, {220}, SmtpOutcome::tlsRefused))
            return failed;
        // Anything after the answer was sent in the clear, to be taken for
        // what the encrypted server said.
        if (dialogue.Pending())
            return SmtpOutcome{SmtpOutcome::tlsRefused, "the server sent more than its answer to STARTTLS", ""};
        if (auto failed = dialogue.StartTls(settings.server))
            return failed;
        if (auto failed = dialogue.Exchange(ehlo, hello, {250}, SmtpOutcome::refused))
            return failed;
    }
    if (!settings.user.empty())
        if (auto failed = SignIn(dialogue, hello, settings.user, password))
            return failed;
    if (auto failed = dialogue.Exchange("MAIL FROM:<" + envelope.from + ">\r\n", reply, {250}, SmtpOutcome::refused))
        return failed;
    for (const std::string& to : envelope.to) {
        if (auto failed = dialogue.Exchange("RCPT TO:<" + to + ">\r\n", reply, {250, 251}, SmtpOutcome::recipientRefused)) {
            failed->recipient = to;
            return failed;
        }
    }
    if (auto failed = dialogue.Exchange("DATA\r\n", reply, {354}, SmtpOutcome::refused))
        return failed;
    return dialogue.Exchange(DotStuff(envelope.message), reply, {250}, SmtpOutcome::refused);
}

} // namespace

SmtpOutcome SendThroughServer(SmtpConnection& connection, const MailSettings& settings, const std::string& password,
                              const std::string& clientName, const SmtpEnvelope& envelope, const SmtpLimits& limits)
{
    // Addresses go into command lines: one that could end a line or the
    // address never reaches the server.
    for (const std::string& address : envelope.to)
        if (!IsMailboxAddress(address))
            return {SmtpOutcome::badAddress, "", address};
    if (!IsMailboxAddress(envelope.from))
        return {SmtpOutcome::badAddress, "", envelope.from};
    if (envelope.to.empty())
        return {SmtpOutcome::badAddress, "", ""};
    Dialogue dialogue(connection, limits);
    SmtpReply reply;
    if (std::optional<SmtpOutcome> failed =
            Deliver(dialogue, connection, settings, password, clientName, envelope, limits, reply))
        return *failed;
    dialogue.Quit();
    return {SmtpOutcome::sent, reply.Text(), ""};
}

std::string SmtpOutcomeText(const SmtpOutcome& outcome)
{
    const std::string answer = outcome.answer.empty() ? "" : ": " + outcome.answer;
    switch (outcome.kind) {
    case SmtpOutcome::sent: return "sent" + answer;
    case SmtpOutcome::badAddress: return "not sent: not an address: " + outcome.recipient;
    case SmtpOutcome::unreachable: return "not sent: server unreachable" + answer;
    case SmtpOutcome::tlsRefused: return "not sent: TLS refused" + answer;
    case SmtpOutcome::untrusted: return "not sent: certificate not trusted" + answer;
    case SmtpOutcome::signInRefused: return "not sent: sign-in refused" + answer;
    case SmtpOutcome::recipientRefused: return "not sent: recipient refused: " + outcome.recipient + answer;
    case SmtpOutcome::refused: return "not sent: refused" + answer;
    case SmtpOutcome::timedOut: return "not sent: no answer in time";
    case SmtpOutcome::closed: return "not sent: the server ended the connection";
    case SmtpOutcome::notSmtp: break;
    }
    return "not sent: the server's answer is not SMTP";
}

std::string SmtpFailureMessage(const SmtpOutcome& outcome, const MailSettings& settings)
{
    const std::string server = settings.server;
    const std::string answer = outcome.answer.empty() ? "" : ":\n" + outcome.answer;
    const std::string start = "Unable to send email. ";
    const std::string end = "    ";
    switch (outcome.kind) {
    case SmtpOutcome::sent: return "";
    case SmtpOutcome::badAddress:
        return start + "\"" + outcome.recipient + "\" is not an e-mail address the mail server can take." + end;
    case SmtpOutcome::unreachable:
        return start + "The mail server " + server + " (port " + std::to_string(settings.port) +
               ") cannot be reached" + answer + end;
    case SmtpOutcome::tlsRefused:
        return start + "The mail server " + server + " did not set up an encrypted connection" + answer + end;
    case SmtpOutcome::untrusted:
        return start + "The certificate of the mail server " + server + " is not trusted" + answer + end;
    case SmtpOutcome::signInRefused:
        return start + "The mail server " + server + " refused the sign-in" + answer + end;
    case SmtpOutcome::recipientRefused:
        return start + "The mail server " + server + " refused the recipient " + outcome.recipient + answer + end;
    case SmtpOutcome::refused: return start + "The mail server " + server + " refused the mail" + answer + end;
    case SmtpOutcome::timedOut: return start + "The mail server " + server + " did not answer in time." + end;
    case SmtpOutcome::closed: return start + "The mail server " + server + " ended the connection." + end;
    case SmtpOutcome::notSmtp: break;
    }
    return start + "The answer of " + server + " is not that of a mail server." + end;
}
