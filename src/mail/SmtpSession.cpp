#include "mail/SmtpSession.h"

#include "base/AsciiText.h"
#include "mail/MimeMessage.h"
#include "mail/SmtpReply.h"

#include "base/WipedText.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The QUIT at the end is a courtesy: the mail is delivered once the server
// took it, so its answer is waited for only briefly.
constexpr milliseconds kQuitLimit{2000};

const char* const kFinalDot = ".\r\n";

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

SmtpOutcome Outcome(SmtpOutcome::Kind kind, std::string answer = "")
{
    return SmtpOutcome{kind, std::move(answer), ""};
}

class Dialogue {
public:
    Dialogue(SmtpConnection& connection, const SmtpLimits& limits, SmtpClock clock)
        : connection_(connection), limits_(limits), clock_(clock ? std::move(clock) : SmtpClock(Clock::now)),
          end_(clock_() + limits.whole)
    {
    }

    milliseconds Within(milliseconds step) const { return Until(clock_() + step); }

    // The next reply, whole within `step` however its bytes come, or the
    // outcome that ends the send.
    std::optional<SmtpOutcome> Read(SmtpReply& reply, milliseconds step)
    {
        const Clock::time_point answerEnd = clock_() + step;
        while (!reader_.Next(reply)) {
            if (reader_.Malformed())
                return Outcome(SmtpOutcome::notSmtp);
            const milliseconds limit = Until(answerEnd);
            if (limit.count() <= 0)
                return Outcome(SmtpOutcome::timedOut);
            std::string bytes;
            const Received received = connection_.Receive(bytes, limit);
            if (received != Received::data)
                return Outcome(received == Received::timedOut ? SmtpOutcome::timedOut : SmtpOutcome::closed);
            reader_.Add(bytes);
        }
        return std::nullopt;
    }

    bool Send(const std::string& bytes)
    {
        const milliseconds limit = Within(limits_.reply);
        return limit.count() > 0 && connection_.Send(bytes, limit);
    }

    // Sends a command line and reads the reply; a reply other than
    // `expected` ends the send as `kind`.
    std::optional<SmtpOutcome> Exchange(const std::string& bytes, SmtpReply& reply, std::initializer_list<int> expected,
                                        SmtpOutcome::Kind kind)
    {
        if (!Send(bytes))
            return Outcome(Within(limits_.reply).count() == 0 ? SmtpOutcome::timedOut : SmtpOutcome::closed);
        if (std::optional<SmtpOutcome> failed = Read(reply, limits_.reply))
            return failed;
        if (std::find(expected.begin(), expected.end(), reply.code) == expected.end())
            return Outcome(kind, reply.Text());
        return std::nullopt;
    }

    std::optional<SmtpOutcome> StartTls(const std::string& server)
    {
        // Until the handshake is through, the bytes on the line are no
        // longer SMTP: there is no session to end politely.
        sessionUp_ = false;
        std::string detail;
        const TlsResult result = connection_.StartTls(server, Within(limits_.reply), detail);
        if (result == TlsResult::secure) {
            secure_ = true;
            sessionUp_ = true;
            return std::nullopt;
        }
        return Outcome(result == TlsResult::untrusted ? SmtpOutcome::untrusted : SmtpOutcome::tlsRefused, detail);
    }

    // True when bytes came in that no command asked for yet: the ones
    // buffered, and (`look`) the ones waiting on the connection.
    bool Early(bool look)
    {
        if (look && !reader_.HasPending()) {
            std::string bytes;
            if (connection_.Receive(bytes, milliseconds(0)) == Received::data)
                reader_.Add(bytes);
        }
        return reader_.HasPending();
    }

    void SessionUp(bool up) { sessionUp_ = up; }
    bool Secure() const { return secure_; }

    // After the mail or a refusal the server is told goodbye, so it logs a
    // client that left, not a connection lost; but only while it reads
    // commands.
    void Quit()
    {
        const milliseconds limit = Within(kQuitLimit);
        SmtpReply reply;
        if (sessionUp_ && limit.count() > 0 && connection_.Send("QUIT\r\n", limit))
            Read(reply, kQuitLimit);
    }

private:
    milliseconds Until(Clock::time_point end) const
    {
        const auto left = std::chrono::duration_cast<milliseconds>(std::min(end, end_) - clock_());
        return std::max(milliseconds(0), left);
    }

    SmtpConnection& connection_;
    SmtpLimits limits_;
    SmtpClock clock_;
    Clock::time_point end_;
    SmtpReplyReader reader_;
    bool secure_ = false;
    bool sessionUp_ = false;
};

// A line made of the password is wiped once sent; the answer is all that is
// kept of it. Such text is made at its full length and filled in, never
// grown: a string that grows leaves its old bytes, unwiped, in freed memory.
std::optional<SmtpOutcome> SendSecret(Dialogue& dialogue, const std::string& head, const std::string& secret,
                                      SmtpReply& reply, int expected)
{
    WipedText encoded(Base64(secret));
    WipedText line(std::string(head.size() + encoded.Text().size() + 2, '\n'));
    std::copy(head.begin(), head.end(), line.Text().begin());
    std::copy(encoded.Text().begin(), encoded.Text().end(), line.Text().begin() + head.size());
    line.Text()[line.Text().size() - 2] = '\r';
    return dialogue.Exchange(line.Text(), reply, {expected}, SmtpOutcome::signInRefused);
}

std::optional<SmtpOutcome> SignIn(Dialogue& dialogue, const SmtpReply& hello, const std::string& user,
                                  const std::string& password)
{
    // Never a password over a connection that is not encrypted.
    if (!dialogue.Secure())
        return Outcome(SmtpOutcome::tlsRefused, "the connection is not encrypted");
    const std::string mechanisms = hello.Parameters("AUTH");
    SmtpReply reply;
    if (HasWord(mechanisms, "PLAIN")) {
        WipedText plain(std::string(user.size() + password.size() + 2, '\0'));
        std::copy(user.begin(), user.end(), plain.Text().begin() + 1);
        std::copy(password.begin(), password.end(), plain.Text().end() - password.size());
        return SendSecret(dialogue, "AUTH PLAIN ", plain.Text(), reply, 235);
    }
    if (!HasWord(mechanisms, "LOGIN"))
        return Outcome(SmtpOutcome::signInRefused, "the server offers no sign-in by PLAIN or LOGIN");
    if (auto failed = dialogue.Exchange("AUTH LOGIN\r\n", reply, {334}, SmtpOutcome::signInRefused))
        return failed;
    if (auto failed = dialogue.Exchange(Base64(user) + "\r\n", reply, {334}, SmtpOutcome::signInRefused))
        return failed;
    return SendSecret(dialogue, "", password, reply, 235);
}

// DATA and the message. The server's acceptance counts only when it is read
// after the final dot went out: anything it said before had not seen the
// message, and the mail is left unfinished, so the server drops it.
std::optional<SmtpOutcome> SendMessage(Dialogue& dialogue, const std::string& message, SmtpReply& reply)
{
    if (auto failed = dialogue.Exchange("DATA\r\n", reply, {354}, SmtpOutcome::refused))
        return failed;
    dialogue.SessionUp(false);
    if (dialogue.Early(false))
        return Outcome(SmtpOutcome::refused, "the server answered the message before it was sent");
    const std::string stuffed = DotStuff(message);
    if (!dialogue.Send(stuffed.substr(0, stuffed.size() - std::strlen(kFinalDot))))
        return Outcome(SmtpOutcome::closed);
    if (dialogue.Early(true))
        return Outcome(SmtpOutcome::refused, "the server answered the message before its end");
    if (auto failed = dialogue.Exchange(kFinalDot, reply, {250}, SmtpOutcome::refused))
        return failed;
    dialogue.SessionUp(true);
    return std::nullopt;
}

std::optional<SmtpOutcome> Deliver(Dialogue& dialogue, SmtpConnection& connection, const MailSettings& settings,
                                   const std::string& password, const std::string& clientName,
                                   const SmtpEnvelope& envelope, const SmtpLimits& limits, SmtpReply& reply)
{
    std::string detail;
    if (!connection.Connect(settings.server, settings.port, dialogue.Within(limits.connect), detail))
        return Outcome(SmtpOutcome::unreachable, detail);
    if (settings.security == MailSecurity::tls)
        if (auto failed = dialogue.StartTls(settings.server))
            return failed;
    if (auto failed = dialogue.Read(reply, limits.reply))
        return failed;
    // A server that refuses in its greeting still reads commands until QUIT.
    dialogue.SessionUp(true);
    if (reply.code != 220)
        return Outcome(SmtpOutcome::refused, reply.Text());
    const std::string ehlo = "EHLO " + clientName + "\r\n";
    SmtpReply hello;
    if (auto failed = dialogue.Exchange(ehlo, hello, {250}, SmtpOutcome::refused))
        return failed;
    if (settings.security == MailSecurity::startTls) {
        if (!hello.Offers("STARTTLS"))
            return Outcome(SmtpOutcome::tlsRefused, "the server does not offer STARTTLS");
        if (auto failed = dialogue.Exchange("STARTTLS\r\n", reply, {220}, SmtpOutcome::tlsRefused))
            return failed;
        dialogue.SessionUp(false);
        // Anything after the answer was sent in the clear, to be taken for
        // what the encrypted server said: what is buffered, and what is
        // already waiting on the connection.
        if (dialogue.Early(true))
            return Outcome(SmtpOutcome::tlsRefused, "the server sent more than its answer to STARTTLS");
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
    return SendMessage(dialogue, envelope.message, reply);
}

} // namespace

SmtpOutcome SendThroughServer(SmtpConnection& connection, const MailSettings& settings, const std::string& password,
                              const std::string& clientName, const SmtpEnvelope& envelope, const SmtpLimits& limits,
                              const SmtpClock& clock)
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
    // A user name without its password would sign in with none.
    if (!settings.user.empty() && password.empty())
        return {SmtpOutcome::noPassword, "", ""};
    Dialogue dialogue(connection, limits, clock);
    SmtpReply reply;
    std::optional<SmtpOutcome> failed =
        Deliver(dialogue, connection, settings, password, clientName, envelope, limits, reply);
    // A server that answered nothing, or not in SMTP, is not talked to again.
    const SmtpOutcome::Kind refusals[] = {SmtpOutcome::refused, SmtpOutcome::signInRefused,
                                          SmtpOutcome::recipientRefused, SmtpOutcome::tlsRefused};
    if (!failed || std::find(std::begin(refusals), std::end(refusals), failed->kind) != std::end(refusals))
        dialogue.Quit();
    return failed ? *failed : SmtpOutcome{SmtpOutcome::sent, reply.Text(), ""};
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
    case SmtpOutcome::noPassword: return "not sent: no password is kept for this server, port and user name";
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
    case SmtpOutcome::noPassword:
        return start + "No password is kept for the mail server " + server + " (port " +
               std::to_string(settings.port) + ") and the user name " + settings.user +
               ": enter it in Mail Settings." + end;
    case SmtpOutcome::notSmtp: break;
    }
    return start + "The answer of " + server + " is not that of a mail server." + end;
}
