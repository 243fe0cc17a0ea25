#include "mail/MailSettingsModel.h"
#include "mail/MimeMessage.h"
#include "mail/ServerMailSender.h"
#include "mail/SmtpSession.h"
#include "mail/SmtpReply.h"

#include "TestSupport.h"

#include <sys/stat.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <tuple>

using namespace std::string_literals;

namespace {

TEST(Mime, Base64HeaderWordsAndDotStuffingAgainstKnownAnswers)
{
    const std::pair<std::string, std::string> base64[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foobar", "Zm9vYmFy"}, {{"\xFF\x00\x80", 3}, "/wCA"}};
    for (const auto& c : base64)
        EXPECT_EQ(Base64(c.first), c.second);

    const struct { std::string text, header; } headers[] = {
        {"Daily Report", "Daily Report"}, {"Bcc: x\r\nTo: y", "Bcc: x  To: y"},
        // Only the stretch of words beyond ASCII is encoded, blanks inside it too.
        {"Day of Gr\xC3\xBC\xC3\x9F" "e and \xC3\xA9t\xC3\xA9 now", "Day of =?UTF-8?B?R3LDvMOfZSBhbmQgw6l0w6k=?= now"},
        // 45 bytes a word, a two-byte character never cut in half.
        {"\xC3\xA9" + std::string(43, 'a') + "\xC3\xA9",
         "=?UTF-8?B?w6lhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFhYWFh?=\r\n =?UTF-8?B?w6k=?="},
        // Bytes that only continue a character: the cut backs off to one byte, never to none.
        {std::string(46, '\x80'), "=?UTF-8?B?gA==?=\r\n =?UTF-8?B?" + Repeated("gICA", 15) + "?="}, {"\x80 abc", "=?UTF-8?B?gA==?= abc"},
    };
    for (const auto& c : headers)
        EXPECT_EQ(EncodeHeaderText(c.text), c.header) << c.text;

    const std::pair<std::string, std::string> names[] = {
        {"Oracline", "Oracline"}, {"Jane Q. Doe", "\"Jane Q. Doe\""}, {"Doe, Jane <x@evil.org>", "\"Doe, Jane <x@evil.org>\""},
        {"say \"hi\" \\o/", "\"say \\\"hi\\\" \\\\o/\""}, {"Jane  Doe", "\"Jane  Doe\""}, {" Jo", "\" Jo\""}, {"Bcc: x\r\n", "\"Bcc: x  \""},
        {"AZaz09", "AZaz09"}, {"a[", "\"a[\""}, {"b:", "\"b:\""}, {"c@", "\"c@\""}, {"Jo ", "\"Jo \""},
        {"M\xC3\xBCller, Hans", "=?UTF-8?B?TcO8bGxlciwgSGFucw==?="},
        {Repeated("\xC3\xA9", 46), Repeated("=?UTF-8?B?w6nDqcOpw6nDqcOpw6nDqcOpw6nDqcOpw6nDqcOpw6nDqcOpw6nDqcOpw6k=?=\r\n ", 2) + "=?UTF-8?B?w6nDqQ==?="},
    };
    for (const auto& c : names)
        EXPECT_EQ(EncodeDisplayName(c.first), c.second) << c.first;

    EXPECT_EQ(DotStuff(".a\nb\r\n..c\r.") + DotStuff("a\r\n"), "..a\r\nb\r\n...c\r\n..\r\n.\r\n" "a\r\n.\r\n");
    EXPECT_EQ(FormatMailDate({2026, 12, 7}, 1, 7, 5, 9, -354) + FormatMailDate({2026, 1, 3}, 6, 23, 59, 0, -1) + FormatMailDate({2026, 1, 4}, 0, 0, 0, 0, 0) +
                  FormatMailDate({2026, 1, 4}, 0, 0, 0, 0, 300),
              "Mon, 07 Dec 2026 07:05:09 -0554" "Sat, 03 Jan 2026 23:59:00 -0001" "Sun, 04 Jan 2026 00:00:00 +0000" "Sun, 04 Jan 2026 00:00:00 +0500");
}

TEST(Mime, MessageWithTextAndAttachment)
{
    MimeMail mail;
    mail.fromName = "Oracline", mail.from = "me@example.com", mail.to = {"a@x.org", "b@y.org"};
    mail.subject = "Daily Report", mail.body = "Line one\n.dot\n";
    mail.attachments = {{"day \"1\".jpg", "\xFF\xD8\xFF" + std::string(57, 'x')}, {"T\xC3\xA4g 0/9:AZaz@[`{-_~.png", std::string(57, 'a')}};
    mail.date = "Mon, 07 Dec 2026 07:05:09 +0100", mail.messageId = "<t1@example.com>", mail.boundary = "=_b";
    const std::string both = BuildMimeMessage(mail);
    // Text beyond ASCII, or a line no server takes, travels as base64.
    mail.attachments.clear();
    mail.body = "\xC3\xA9";
    ExpectGolden("mime.txt", both + "== text beyond ASCII alone\r\n" + BuildMimeMessage(mail));
    // No line of more than 998 characters travels as it is; every line end becomes CR LF, one at the start too.
    for (const auto& [body, encoding] : {std::pair{std::string(998, 'a'), "7bit"}, {std::string(999, 'a'), "base64"}, {"\r\nx\r", "7bit\r\n\r\n\r\nx\r\n\r\n"},
                                         {"a\r" + std::string(998, 'a'), "7bit"}, {"a\n" + std::string(998, 'a') + "\n", "7bit"}}) {
        mail.body = body;
        EXPECT_NE(BuildMimeMessage(mail).find("Transfer-Encoding: "s + encoding), std::string::npos) << body.size();
    }
}

TEST(SmtpReplyReader, SplitsRepliesAndRefusesWhatIsNotSmtp)
{
    const std::string longLine(2049, 'x'), longest = "250 " + std::string(2044, 'y');
    const struct { std::string input; std::string replies; bool malformed; } cases[] = {
        {"220 mail ready\r\n", "[220|mail ready]", false},
        {"250-mail\r\n250-AUTH PLAIN\n250 STARTTLS\r\n354\r\n", "[250|mail|AUTH PLAIN|STARTTLS][354|]", false},
        {"250-mail\r\n250 ST", "", false}, {"250-a\r\n251 b\r\n", "", true}, {"hello\r\n", "", true}, {"600 x\r\n", "", true},
        {"250x\r\n", "", true}, {"250 " + longLine, "", true}, {"209 k\r\n554 no\r\n", "[209|k][554|no]", false}, {"2/0 x\r\n", "", true},
        {"2:0 x\r\n", "", true}, {"199 x\r\n", "", true}, {"25: x\r\n", "", true},
        // The longest line, whole and still arriving (its CR too), and a byte more.
        {longest + "\r\n", "[250|" + longest.substr(4) + "]", false}, {longest, "", false}, {longest + "\r", "", false}, {longest + "y\r\n", "", true}, {longest + "yy", "", true},
        {Repeated("250-a\r\n", 99) + "250 a\r\n", "[250" + Repeated("|a", 100) + "]", false}, {Repeated("250-a\r\n", 100) + "250 a\r\n", "", true},
    };
    for (const auto& c : cases) {
        SmtpReplyReader reader;
        // Byte by byte, as a slow server would send it.
        for (char b : c.input)
            reader.Add(std::string(1, b));
        std::string replies;
        for (SmtpReply reply; reader.Next(reply);)
            replies += "[" + std::to_string(reply.code) + Joined(reply.lines, [](const std::string& line) { return "|" + line; }) + "]";
        EXPECT_EQ(replies, c.replies) << c.input;
        SmtpReply again;  // a reader that stopped stays stopped
        EXPECT_EQ(std::make_pair(reader.Malformed(), reader.Next(again)), std::make_pair(c.malformed, false)) << c.input;
    }
    const std::string text = SmtpReply{550, {"5.1.1 <x@y>\t\x7Funknown", std::string(400, 'z')}}.Text();
    EXPECT_EQ(text, "550 5.1.1 <x@y>??unknown " + std::string(272, 'z') + "...");
    const SmtpReply ehlo{250, {"mx", "SIZE 100", "AUTH LOGIN PLAIN", "STARTTLS"}};
    EXPECT_EQ(std::make_tuple(ehlo.Offers("size"), ehlo.Offers("AUTH LOGIN"), ehlo.Parameters("auth"), ehlo.Parameters("starttls")),
              std::make_tuple(true, false, "LOGIN PLAIN"s, ""s));
    EXPECT_EQ((SmtpReply{250, {std::string(296, 'a')}}.Text()), "250 " + std::string(296, 'a'));
}

// A server that answers from a script, one chunk per read, and notes what
// the client sent. Time passes only as the chunks say, on a clock of its own:
// a chunk arrives `after` its wait, and one the server sends `unasked`
// arrives even while the client only looks whether anything came.
struct Chunk {
    Chunk(const char* text) : bytes(text) {}
    Chunk(std::string text, std::chrono::milliseconds wait = {}, bool early = false) : bytes(std::move(text)), after(wait), unasked(early) {}
    std::string bytes;
    std::chrono::milliseconds after{0};
    bool unasked = false;
};

class ScriptedServer : public SmtpConnection {
public:
    ScriptedServer(std::deque<Chunk> chunks, TlsResult tls = TlsResult::secure, bool reachable = true)
        : chunks(std::move(chunks)), tls(tls), reachable(reachable) {}
    ~ScriptedServer() override { if (kept) *kept = transcript; }

    bool Connect(const std::string& server, int port, std::chrono::milliseconds limit, std::string& detail) override
    {
        transcript += "connect " + server + ":" + std::to_string(port) + " within " + std::to_string(limit.count()) + " ms\n";
        return detail = "connection refused", reachable;
    }
    TlsResult StartTls(const std::string&, std::chrono::milliseconds, std::string& detail) override
    {
        return transcript += "<tls>\n", detail = "unknown authority", tls;
    }
    bool Send(const std::string& bytes, std::chrono::milliseconds) override { return transcript += bytes, true; }
    Received Receive(std::string& bytes, std::chrono::milliseconds limit) override
    {
        const bool arrives = !chunks.empty() && chunks.front().after <= limit && (limit.count() > 0 || chunks.front().unasked);
        if (!arrives)
            return now += limit, Received::timedOut;
        now += chunks.front().after, bytes += chunks.front().bytes;
        return chunks.pop_front(), Received::data;
    }
    SmtpClock Clock() { return [this] { return now; }; }

    std::deque<Chunk> chunks;
    TlsResult tls;
    bool reachable;
    std::string transcript, *kept = nullptr;  // where the transcript goes when the server does
    std::chrono::steady_clock::time_point now;
};

// Sends the test mail with user "me" and password `password` through the
// script; the server's transcript comes back in `transcript`, the seconds
// the send took on the server's clock in `seconds`.
SmtpOutcome SendScripted(ScriptedServer& server, MailSecurity security, const std::string& password, long& seconds)
{
    const MailSettings settings{MailMethod::smtp, "mx.x.org", 25, security, "me", "me@x.org"};
    const auto start = server.now;
    const SmtpOutcome outcome = SendThroughServer(server, settings, password, "pc",
                                                  {"me@x.org", {"a@y.org"}, "Subject: hi\n.dot"}, {}, server.Clock());
    seconds = static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(server.now - start).count());
    return outcome;
}

const std::string kGreet = "220 mx ready\r\n", kOk = "250 ok\r\n", kBye = "221 bye\r\n";
const std::string kTlsHello = "250-mx\r\n250 AUTH PLAIN\r\n", kPlain = "AUTH PLAIN " + Base64(std::string("\0me\0pw", 6)) + "\r\n";
const std::string kEnvelope = "MAIL FROM:<me@x.org>\r\nRCPT TO:<a@y.org>\r\nDATA\r\n", kMessage = "Subject: hi\r\n..dot\r\n";

TEST(SmtpSession, SignsInOnlyEncryptedAndSaysWhereItStopped)
{
    const std::string ehlo = "250-mx\r\n250-STARTTLS\r\n250 AUTH LOGIN PLAIN XOAUTH2\r\n", queued = "250 2.0.0 queued as 7\r\n";
    const struct { MailSecurity security; std::deque<Chunk> script; TlsResult tls; bool reachable; std::string log, sent; } cases[] = {
        {MailSecurity::startTls, {kGreet, ehlo, "220 go\r\n", ehlo, "235 ok\r\n", kOk, "251 will forward\r\n", "354 go\r\n", queued, kBye},
         TlsResult::secure, true, "sent: 250 2.0.0 queued as 7",
         "EHLO pc\r\nSTARTTLS\r\n<tls>\nEHLO pc\r\n" + kPlain + kEnvelope + kMessage + ".\r\nQUIT\r\n"},
        {MailSecurity::tls, {kGreet, "250-mx\r\n250 AUTH LOGIN\r\n", "334 VXNlcm5hbWU6\r\n", "334 UGFzc3dvcmQ6\r\n",
                             "535 5.7.8 bad credentials\r\n", kBye}, TlsResult::secure, true, "not sent: sign-in refused: 535 5.7.8 bad credentials",
         "<tls>\nEHLO pc\r\nAUTH LOGIN\r\nbWU=\r\ncHc=\r\nQUIT\r\n"},
        {MailSecurity::tls, {kGreet, "250-mx\r\n250 AUTH LOGIN\r\n", "334 VXNlcm5hbWU6\r\n", "334 UGFzc3dvcmQ6\r\n",
                             "235 2.7.0 ok\r\n", kOk, kOk, "354 go\r\n", queued, kBye}, TlsResult::secure, true, "sent: 250 2.0.0 queued as 7",
         "<tls>\nEHLO pc\r\nAUTH LOGIN\r\nbWU=\r\ncHc=\r\n" + kEnvelope + kMessage + ".\r\nQUIT\r\n"},
        // No STARTTLS offered, or refused: the password never leaves.
        {MailSecurity::startTls, {kGreet, "250-mx\r\n250 AUTH PLAIN\r\n", kBye}, TlsResult::secure, true,
         "not sent: TLS refused: the server does not offer STARTTLS", "EHLO pc\r\nQUIT\r\n"},
        {MailSecurity::startTls, {kGreet, ehlo, "454 4.7.0 TLS not available\r\n", kBye}, TlsResult::secure, true,
         "not sent: TLS refused: 454 4.7.0 TLS not available", "EHLO pc\r\nSTARTTLS\r\nQUIT\r\n"},
        // Bytes after the answer to STARTTLS were sent in the clear; the
        // server waits for a handshake, so no QUIT either.
        {MailSecurity::startTls, {kGreet, ehlo, "220 go\r\n", Chunk("250 forged\r\n", {}, true)}, TlsResult::secure, true,
         "not sent: TLS refused: the server sent more than its answer to STARTTLS", "EHLO pc\r\nSTARTTLS\r\n"},
        {MailSecurity::startTls, {kGreet, ehlo, "220 go\r\n"}, TlsResult::untrusted, true,
         "not sent: certificate not trusted: unknown authority", "EHLO pc\r\nSTARTTLS\r\n<tls>\n"},
        {MailSecurity::tls, {}, TlsResult::refused, true, "not sent: TLS refused: unknown authority", "<tls>\n"},
        {MailSecurity::tls, {}, TlsResult::secure, false, "not sent: server unreachable: connection refused", ""},
        {MailSecurity::tls, {kGreet, kTlsHello, "235 ok\r\n", kOk, "550 5.1.1 no such user\r\n", kBye},
         TlsResult::secure, true, "not sent: recipient refused: a@y.org: 550 5.1.1 no such user",
         "<tls>\nEHLO pc\r\n" + kPlain + "MAIL FROM:<me@x.org>\r\nRCPT TO:<a@y.org>\r\nQUIT\r\n"},
        {MailSecurity::tls, {kGreet}, TlsResult::secure, true, "not sent: no answer in time", "<tls>\nEHLO pc\r\n"},
        {MailSecurity::startTls, {kGreet, ehlo, "220 go\r\n", "554 no\r\n"}, TlsResult::secure, true, "not sent: refused: 554 no", "EHLO pc\r\nSTARTTLS\r\n<tls>\nEHLO pc\r\nQUIT\r\n"},
        {MailSecurity::startTls, {"554 go away\r\n"}, TlsResult::secure, true, "not sent: refused: 554 go away", "QUIT\r\n"},  // it still reads commands
        {MailSecurity::tls, {"HTTP/1.1 400\r\n"}, TlsResult::secure, true, "not sent: the server's answer is not SMTP", "<tls>\n"},
    };
    for (const auto& c : cases) {
        ScriptedServer server(c.script, c.tls, c.reachable);
        long seconds = 0;
        EXPECT_EQ(SmtpOutcomeText(SendScripted(server, c.security, "pw", seconds)), c.log);
        EXPECT_EQ(server.transcript, "connect mx.x.org:25 within 15000 ms\n" + c.sent) << c.log;
    }
    // An address that would end the command line never reaches the server.
    ScriptedServer server({});
    const SmtpOutcome outcome = SendThroughServer(server, {}, "", "pc", {"me@x.org", {"a@y.org>\r\nRSET"}, ""});
    EXPECT_EQ(TestMailAnswer(outcome, {}) + server.transcript, "Unable to send email. \"a@y.org>\r\nRSET\" is not an e-mail address the mail server can take.    ");
    EXPECT_EQ(TestMailAnswer({SmtpOutcome::sent, "250 ok", ""}, {MailMethod::smtp, "mx", 25, MailSecurity::tls, "", "a@b"}),
              "The test mail was sent to a@b.    \nThe mail server answered: 250 ok    ");
}

// What a hostile or failing server gets out of the session: what the log
// says, what the server was sent, and how long it all took.
TEST(SmtpSession, HoldsAgainstAHostileServer)
{
    std::deque<Chunk> dripped = {Chunk(kGreet), Chunk(kTlsHello), Chunk("235 ok\r\n")};
    for (char c : std::string("250 the sender is fine but this answer comes one byte a second\r\n"))
        dripped.push_back(Chunk(std::string(1, c), std::chrono::seconds(1), true));
    const std::string upToSignIn = "<tls>\nEHLO pc\r\n" + kPlain, upToMessage = upToSignIn + kEnvelope;
    // The greeting and the hello take 50 of the send's 60 s; `answer` comes `ms` later, `rest` after it.
    const auto lastSeconds = [](const char* answer, long ms, Chunk rest = Chunk("")) {
        return std::deque<Chunk>{Chunk(kGreet, std::chrono::seconds(25)), Chunk(kTlsHello, std::chrono::seconds(25)), Chunk(answer, std::chrono::milliseconds(ms)), rest};
    };
    const struct { const char* name; std::deque<Chunk> script; const char* password; std::string log, sent; long seconds; } cases[] = {
        {"250 pipelined with 354", {kGreet, kTlsHello, "235 ok\r\n", kOk, kOk, "354 go\r\n250 2.0.0 queued\r\n"},
         "pw", "not sent: refused: the server answered the message before it was sent", upToMessage, 0},
        {"250 while the message goes out",
         {kGreet, kTlsHello, "235 ok\r\n", kOk, kOk, "354 go\r\n", Chunk("250 2.0.0 queued\r\n", {}, true)},
         "pw", "not sent: refused: the server answered the message before its end", upToMessage + kMessage, 0},
        {"an answer dripped a byte a second", dripped, "pw", "not sent: no answer in time",
         "<tls>\nEHLO pc\r\n" + kPlain + "MAIL FROM:<me@x.org>\r\n", 30},
        {"an answer a millisecond past its wait", {kGreet, kTlsHello, Chunk("235 ok\r\n", std::chrono::milliseconds(30001))}, "pw", "not sent: no answer in time", upToSignIn, 30},
        {"signed in as the time ends", lastSeconds("235 ok\r\n", 10000), "pw", "not sent: no answer in time", upToSignIn, 60},
        {"signed in a millisecond before", lastSeconds("235 ok\r\n", 9999), "pw", "not sent: no answer in time", upToSignIn + "MAIL FROM:<me@x.org>\r\n", 60},
        {"refused as the time ends, the answer's end waiting", lastSeconds("535 no", 10000, Chunk("\r\n", {}, true)), "pw", "not sent: no answer in time", upToSignIn, 60},
        {"refused a millisecond before", lastSeconds("535 no\r\n", 9999), "pw", "not sent: sign-in refused: 535 no", upToSignIn + "QUIT\r\n", 60},
        {"refused in the last millisecond", lastSeconds("535", 9999, Chunk(" no\r\n", std::chrono::milliseconds(1))), "pw", "not sent: sign-in refused: 535 no", upToSignIn, 60},
        {"a refused sign-in followed by QUIT", {kGreet, kTlsHello, "535 5.7.8 bad credentials\r\n"}, "pw",
         "not sent: sign-in refused: 535 5.7.8 bad credentials", "<tls>\nEHLO pc\r\n" + kPlain + "QUIT\r\n", 2},
        {"a changed server without its password", {kGreet}, "", "not sent: no password is kept for this server, port and user name", "", 0},
    };
    for (const auto& c : cases) {
        ScriptedServer server(c.script);
        long seconds = -1;
        const std::string log = SmtpOutcomeText(SendScripted(server, MailSecurity::tls, c.password, seconds));
        EXPECT_EQ(log + "|" + server.transcript + "|" + std::to_string(seconds),
                  c.log + "|" + (c.sent.empty() ? "" : "connect mx.x.org:25 within 15000 ms\n") + c.sent + "|" + std::to_string(c.seconds)) << c.name;
    }
}

// The sender assembles the mail from what it was given, every text through
// the platform's UTF-8 and both tokens fresh, and reads each attachment
// whole: longer than one read, empty, or exactly as large as it may be.
TEST(ServerMailSender, SendsWhatItWasGivenWithEachFileWhole)
{
    TempDir dir;
    // The last read takes one byte.
    const std::string report = Rows([](int i) { return std::string(1, static_cast<char>(i * 7 % 251)); }, 65537);
    const std::string path = dir.Write("day.jpg", report), empty = dir.Write("Reports\\empty.txt", "");
    std::string transcript;
    int tokens = 0;
    bool connects = true;
    ServerMailTools tools{[&]() -> std::unique_ptr<SmtpConnection> {
                              auto server = std::make_unique<ScriptedServer>(std::deque<Chunk>{
                                  kGreet, kTlsHello, "235 ok\r\n", kOk, kOk, kOk, "354 go\r\n", "250 queued\r\n", kBye});
                              server->kept = &transcript;
                              return connects ? std::move(server) : nullptr;
                          }, [] { return std::string("D"); }, [&] { return "T" + std::to_string(++tokens); }, "pc"};
    const MailSettings settings{MailMethod::smtp, "mx.x.org", 25, MailSecurity::tls, "me", "me@x.org"};
    ServerMailSender sender(settings, "pw", tools);
    const OutgoingMail given{{"a@y.org", "b@z.org"}, "Jane", "S", "B", {{path, "Report.jpg"}, {empty, ""}}};
    // A file that cannot be read keeps the mail back; a pipe, which could block, is never opened.
    ASSERT_EQ(mkfifo(dir.path("pipe").c_str(), 0600), 0);
    for (const std::string& unread : {dir.path("none.jpg"), dir.dir(), dir.path("pipe")}) {
        OutgoingMail lacking = given;
        lacking.attachments.push_back({unread, "x"});
        EXPECT_EQ(sender.Send(lacking).logText, NotFilledReport().logText) << unread;
    }
    const SendReport sent = sender.Send(given);

    MimeMail mail;
    mail.fromName = "Jane", mail.from = "me@x.org", mail.to = {"a@y.org", "b@z.org"}, mail.subject = "S";
    mail.body = "B", mail.attachments = {{"Report.jpg", report}, {"empty.txt", ""}};
    mail.date = "D", mail.messageId = "<T1@x.org>", mail.boundary = "=_T2";
    const std::string expected = "<tls>\nEHLO pc\r\nAUTH PLAIN " + Base64(std::string("\0" "me\0pw", 6)) +
                                 "\r\nMAIL FROM:<me@x.org>\r\nRCPT TO:<a@y.org>\r\nRCPT TO:<b@z.org>\r\nDATA\r\n" +
                                 DotStuff(BuildMimeMessage(mail)) + "QUIT\r\n";
    const std::string got = transcript.substr(transcript.find('\n') + 1);  // after the connection, timed on the real clock
    const auto differs = std::mismatch(expected.begin(), expected.end(), got.begin(), got.end()).first;
    EXPECT_TRUE(got == expected && sent.logText == "sent: 250 queued") << sent.logText << "; the transcript differs from byte " << differs - expected.begin();

    // Without a connection nothing is sent.
    connects = false;
    const SendReport lost = sender.Send(given);
    EXPECT_TRUE(sent.outcome == SendOutcome::sent && lost.outcome == SendOutcome::failed && lost.logText == "not sent: server unreachable: no network");

    const std::string largest = dir.Write("largest.jpg", "x");
    for (const std::uintmax_t over : {0, 1}) {  // bytes beyond 18 MiB
        std::filesystem::resize_file(largest, (18u << 20) + over);
        EXPECT_EQ(sender.Send({{"a@y.org"}, "", "S", "B", {{largest, ""}}}).outcome == SendOutcome::notFilled, over > 0) << over;
    }
}

// What is saved comes back as it was, through the file and through the
// dialog opened on it; a port out of range falls back to the security's own.
TEST(MailSettings, ValuesComeBackAsSaved)
{
    TempDir dir;
    MailSettings read;
    EXPECT_FALSE(ReadMailSettings(dir.path(kMailSettingsFileName), read));
    ASSERT_TRUE(WriteMailSettings(dir.path(kMailSettingsFileName), {MailMethod::smtp, "mx", 465, MailSecurity::tls, "me", "a@b"}));
    EXPECT_EQ(dir.Read(kMailSettingsFileName), "Method:SMTP\nServer:mx\nPort:465\nSecurity:TLS\nUser:me\nFrom:a@b\n");
    // Whatever the file holds, what comes back can be used.
    const struct { const char *file, *read; } files[] = {
        {"Method:smtp\r\nPort:70000\r\nSecurity:TLS\r\nServer:a\tb\r\nFrom:x@y\r\n", "Method:MAPI\nServer:\nPort:465\nSecurity:TLS\nUser:\nFrom:x@y\n"},
        {"Method:SMTP\nUser:John Smith\nPort:0\nFrom:~!@b\n", "Method:SMTP\nServer:\nPort:587\nSecurity:STARTTLS\nUser:John Smith\nFrom:~!@b\n"},
        {"Security:TLS\nPort:65535\nServer:mx\n", "Method:MAPI\nServer:mx\nPort:65535\nSecurity:TLS\nUser:\nFrom:\n"},
        {"Security:TLS\nPort:65536\n", "Method:MAPI\nServer:\nPort:465\nSecurity:TLS\nUser:\nFrom:\n"},
        {"Port:1\nSecurity:STARTTLS\n", "Method:MAPI\nServer:\nPort:1\nSecurity:STARTTLS\nUser:\nFrom:\n"},
        // A last line cut short after its CR.
        {"Method:SMTP\r\nServer:mx\r", "Method:SMTP\nServer:mx\nPort:587\nSecurity:STARTTLS\nUser:\nFrom:\n"},
    };
    for (const auto& f : files) {
        ASSERT_TRUE(ReadMailSettings(dir.Write("mail.ini", f.file), read));
        EXPECT_EQ(FormatMailSettings(read) + FormatMailSettings(MailSettingsModel(read, "").Settings()), f.read + std::string(f.read)) << f.file;
    }
    MailSettingsModel model({MailMethod::smtp, "mx", 465, MailSecurity::tls, "me", "a@b"}, "");
    for (const auto& [index, port, security] : {std::tuple{2, "465", "TLS"}, {-1, "465", "TLS"}, {0, "587", "STARTTLS"},
                                                  {1, "465", "TLS"}, {0, "587", "STARTTLS"}}) {
        model.SecuritySelected(index);
        EXPECT_EQ(FormatMailSettings(model.Settings()),
                  "Method:SMTP\nServer:mx\nPort:" + std::string(port) + "\nSecurity:" + security + "\nUser:me\nFrom:a@b\n") << index;
    }
    for (const char* port : {"0", "65536"})
        EXPECT_EQ((model.portText = port, model.Settings().port), 587) << port;

    for (const auto& [address, valid] : {std::pair{"a@b"s, true}, {"~!@b", true}, {std::string(252, 'a') + "@b", true}, {"@x.org", false},
                                         {"a@", false}, {"a@b@c", false}, {"a b@c", false}, {"a\x7f@b", false}, {"a<@b", false},
                                         {std::string(253, 'a') + "@b", false}})
        EXPECT_EQ(IsMailboxAddress(address), valid) << address;
}

TEST(MailSettings, FileAndDialogChecks)
{
    MailSettingsModel model(MailSettings{}, "");
    model.method = MailMethod::smtp;
    model.portText = "2525";
    model.SecuritySelected(0);
    EXPECT_EQ(model.portText, "2525");
    const char* const kByName = "Please enter the mail server's name, such as smtp.example.com, not its address: "
                                "its certificate is checked against that name.    ";
    // Each refusal names the field the dialog puts the user back in.
    const struct { const char *server, *port, *user, *password, *from; MailField field; const char* refusal; } checks[] = {
        {"", "587", "", "", "a@b", MailField::server, "Please enter your mail server first.    "},
        {"smtp x", "587", "", "", "a@b", MailField::server, "The mail server is not valid. Enter its name only, such as smtp.example.com.    "},
        {"127.0.0.1", "587", "", "", "a@b", MailField::server, kByName}, {"::1", "587", "", "", "a@b", MailField::server, kByName},
        {"0x7f000001", "587", "", "", "a@b", MailField::server, kByName}, {"10.1", "587", "", "", "a@b", MailField::server, kByName},
        {"smtp.mail.", "587", "", "", "a@b", MailField::none, ""}, {"0xbeef.example", "587", "", "", "a@b", MailField::none, ""},
        {"10.0.0.1.", "587", "", "", "a@b", MailField::server, kByName}, {"10.0.0.1..", "587", "", "", "a@b", MailField::none, ""},
        {"1.2.0x7f", "587", "", "", "a@b", MailField::server, kByName}, {"0xg", "587", "", "", "a@b", MailField::none, ""},
        {"mx", "25x", "", "", "a@b", MailField::port, "Please enter a port between 1 and 65535.    "},
        {"mx", "0", "", "", "a@b", MailField::port, "Please enter a port between 1 and 65535.    "},
        {"mx", "65536", "", "", "a@b", MailField::port, "Please enter a port between 1 and 65535.    "},
        {"mx", "000001", "", "", "a@b", MailField::port, "Please enter a port between 1 and 65535.    "},
        {"mx", "1", "John Smith", "p w", "a@b", MailField::none, ""},
        {"mx", "25", "me", "", "a@b", MailField::password, "Please enter your password first.    "},
        {"mx", "25", "me", "p\nw", "a@b", MailField::password, "The user name and the password cannot hold control characters.    "},
        {"mx", "25", "", "", "", MailField::from, "Please enter your sender address first.    "},
        {"mx", "25", "", "", "a b@c", MailField::from, "The sender address is not valid.    "},
        {"mx", "65535", "me", "pw", "a@b", MailField::none, ""},
    };
    for (const auto& c : checks) {
        model.server = c.server, model.portText = c.port, model.user = c.user, model.password = c.password, model.from = c.from;
        const MailRefusal refusal = model.CheckForSave();
        EXPECT_EQ(std::make_pair(refusal.text, refusal.field), std::make_pair(std::string(c.refusal), c.field)) << c.server << c.port << c.user << c.from;
    }
    // The dialog's fields hold 100 characters.
    for (const auto& [length, refused] : {std::pair{100, false}, {101, true}}) {
        model.server = std::string(length, 'm'), model.portText = "25", model.user = model.password = "", model.from = "a@b";
        EXPECT_EQ(model.CheckForSave().field == MailField::server, refused) << length;
        model.server = "mx", model.user = model.password = std::string(length, 'u');
        EXPECT_EQ(model.CheckForSave().field == MailField::user, refused) << length;
        model.user = model.password = "", model.from = std::string(length - 2, 'f') + "@b";
        EXPECT_EQ(model.CheckForSave().field == MailField::from, refused) << length;
    }
    const MailSettingsModel fresh({MailMethod::smtp, "mx", 25, MailSecurity::startTls, "", ""}, "");
    EXPECT_TRUE(fresh.securityIndex == 0 && !fresh.HasNewPassword() && fresh.ServerFieldsEnabled());
    // The server when the settings name a usable one, the mail program when
    // they leave the mail to one that is there, else the user is asked.
    const MailSettings usable{MailMethod::smtp, "mx", 25, MailSecurity::startTls, "", "a@b"},
                       unusable{MailMethod::smtp, "mx", 25, MailSecurity::startTls, "", ""},
                       program{MailMethod::mapi, "mx", 25, MailSecurity::startTls, "", "a@b"};
    EXPECT_EQ((std::vector<MailWay>{ChooseMailWay(usable, false), ChooseMailWay(unusable, true), ChooseMailWay(program, true),
                                    ChooseMailWay(program, false)}),
              (std::vector<MailWay>{MailWay::server, MailWay::none, MailWay::mailProgram, MailWay::none}));
    EXPECT_EQ(std::make_tuple(SendsThroughServer(usable), SendsThroughServer(unusable), SendsThroughServer(program)),
              std::make_tuple(true, false, false));
    // A server name in mail.ini may be as long as a host name can be.
    for (const auto& [length, refused] : {std::pair{253, false}, {254, true}})
        EXPECT_EQ(UnusableServerSetting({MailMethod::smtp, std::string(length, 'm'), 25, MailSecurity::startTls, "", "a@b"}) != nullptr, refused);
    // A stored password stands for an empty field only for the server, port
    // and user name it was kept for; the mail program needs nothing.
    const MailSettings kept{MailMethod::smtp, "Mx.X.org", 25, MailSecurity::startTls, "me", "a@b"};
    EXPECT_EQ(MailPasswordBinding(kept), "mx.x.org:25 me");
    const std::string again = "Please enter the password again: the stored one is kept only for the server, port "
                              "and user name it was entered with.    ";
    const struct { const char *server, *port, *user, *password; std::string refusal, hint; } fits[] = {
        {"MX.x.ORG", "25", "me", "", "", "A password is stored; leave empty to keep it."},
        {"mx.evil.org", "25", "me", "", again, "Enter the password for this server, port and user name."},
        {"mx.x.org", "2525", "me", "", again, "Enter the password for this server, port and user name."},
        {"mx.x.org", "25", "Me", "", again, "Enter the password for this server, port and user name."},
        {"mx.evil.org", "25", "me", "typed", "", "Enter the password for this server, port and user name."}, {"mx.evil.org", "25", "", "", "", ""},
    };
    for (const auto& c : fits) {
        MailSettingsModel stored(kept, MailPasswordBinding(kept));
        stored.server = c.server, stored.portText = c.port, stored.user = c.user, stored.password = c.password;
        const MailRefusal refusal = stored.CheckForSave();
        EXPECT_EQ(std::make_pair(refusal.text, refusal.field), std::make_pair(c.refusal, c.refusal.empty() ? MailField::none : MailField::password)) << c.server << c.port << c.user;
        EXPECT_EQ(stored.PasswordHint(), c.hint) << c.server << c.port << c.user;
    }
    MailSettingsModel mapi(kept, "");
    mapi.method = MailMethod::mapi;
    mapi.server.clear();
    EXPECT_EQ(mapi.CheckForSave().text, "");
}

} // namespace
