// Mail through a real SMTP server on loopback (smtp/run-with-server.sh runs
// these tests beside it): the Mail Settings dialog the composer opens when
// there is no mail program (Wine's own hand-off is none), its keys, its test
// mail, the composer's send arriving with its attachment and headers, the
// scheduled run's send, and each failure the user meets, with the message
// the composer shows.
#include "driver/Driver.h"
#include "mail/win/MailCredential.h"
#include "res/DailyAnalysisWindowIds.h"
#include "res/EmailDialogIds.h"
#include "res/MailSettingsIds.h"
#include "win/WideText.h"

#include <wincred.h>

#include <cstdio>

using namespace e2e;

namespace {

// The account's settings for a server and port, which the stored password
// is kept for.
MailSettings Account(const std::string& server, int port)
{
    MailSettings settings;
    settings.server = server, settings.port = port, settings.user = "tester";
    return settings;
}

// "password|binding" of the stored credential, read for the server and port.
std::string StoredMailPassword(int port)
{
    std::string password;
    ReadMailPassword(Account("localhost", port), password);
    return password + "|" + StoredMailPasswordBinding();
}

const TestProfile kJane{"Jane Doe", "Jane Doe", 3, 2, 1950};
const std::string kRefusedRecipient = "550 5.1.1 <nobody@example.org>: Recipient address rejected: User unknown";
const std::string kSignInRefused = "535 5.7.8 Authentication credentials invalid", kUntrusted = "it is not issued by an authority this computer trusts";

std::string MailIni(int port, const std::string& security, const std::string& server = "localhost")
{
    return "Method:SMTP\r\nServer:" + server + "\r\nPort:" + std::to_string(port) + "\r\nSecurity:" + security +
           "\r\nUser:tester\r\nFrom:me@example.com\r\n";
}

// Saves another port through the composer's Mail Settings, presses Email and
// returns the message that followed, once the composer is back with the mail.
std::string FailedSendThrough(DWORD processId, int port)
{
    HWND composer = WaitForDialog(processId, "Email");
    PressButton(composer, IDC_EMAIL_MAIL_SETTINGS);
    HWND settings = WaitForDialog(processId, "Mail Settings");
    SetControlTexts(settings, {{IDC_MAIL_PORT, std::to_string(port)}, {IDC_MAIL_PASSWORD, MailPassword()}});
    PressButton(settings, IDOK);
    EXPECT_TRUE(WaitUntilGone(settings));
    PressButton(composer, IDOK);
    EXPECT_TRUE(WaitUntilGone(composer));
    const std::string said = AnswerMessage(processId, IDOK, 30000);
    HWND again = WaitForDialog(processId, "Email");
    EXPECT_EQ(ControlText(again, IDC_EMAIL_TO) + "|" + ControlText(again, IDC_EMAIL_MESSAGE), "nobody@example.org|Hi");
    return said;
}

// The scheduled run of Jane Doe's record through the server over TLS, with
// the password stored for it; the run's log line, taken out of the log.
std::string ScheduledRunThrough(const std::string& server, int port, bool colours)
{
    WriteFileBytes(DataDirectory() + "mail.ini", MailIni(port, "TLS", server));
    StoreMailPassword(Account(server, port), MailPassword());
    WriteFileBytes(DataDirectory() + "task.dtr", "Profile:" + DataDirectory() + "Jane Doe.ini\r\n"
                   "Email:friend@example.org\r\nTime:7:0AM\r\nType:" + (colours ? "1\r\n" : "0\r\n"));
    ProgramRun delivery(DataDirectory() + "task.dtr");
    EXPECT_TRUE(delivery.WaitForExit(70000)) << server << ":" << port;
    const std::string log = DataFile("delivery.log");
    DeleteFileA((DataDirectory() + "delivery.log").c_str());
    return log;
}

// Each test meets the servers smtp-server.py started, trusts the test
// authority and finds no mail program (Wine's own hand-off is none).
class MailServer : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(std::sscanf(ReadFileBytes(kServerFolder + "ports.txt").c_str(), "starttls %d tls %d untrusted %d stopped %d",
                              &startTls, &tls, &untrusted, &stopped), 4) << "run through tests/e2e/smtp/run-with-server.sh";
        ASSERT_TRUE(TrustTestAuthority());
        RegisterTestMailProgram(false);
    }
    // untrusted: a certificate of an authority nobody trusts; stopped: nothing listens there.
    int startTls = 0, tls = 0, untrusted = 0, stopped = 0;
};

} // namespace

// The composer of one Daily Analysis, for the tests that follow, in this
// order: the report is saved before the first mail, and no password is stored.
class MailServerComposer : public SharedSession<MailServerComposer, DailySession, MailServer> {
protected:
    static void SetUpTestSuite()
    {
        CredDeleteW(WideText(kMailCredentialName).c_str(), CRED_TYPE_GENERIC, 0);
        RegisterTestMailProgram(false);
        session_ = new DailySession(kJane, {2005, 9, 12});
    }
    void SetUp() override
    {
        MailServer::SetUp();
        ASSERT_TRUE(session_->Daily());
        pid = session_->ProcessId();
    }
    // Mail Settings as the composer's button opens it.
    HWND OpenSettings(HWND composer) const
    {
        PressButton(composer, IDC_EMAIL_MAIL_SETTINGS);
        return WaitForDialog(pid, "Mail Settings");
    }

    DWORD pid = 0;
};
const std::string kReport = ReportsDirectory() + "day.jpg";

// No mail program and no settings: the server is asked for, and why, each
// field named for a screen reader by its label. Real keys: the arrows go round the two choices, never into the fields; Enter's
// refusal names the field and puts the user back in it.
TEST_F(MailServerComposer, WithoutAMailProgramTheServerIsAskedForTestedAndSaved)
{
    EmailSavingFirst(pid, session_->Daily(), kReport);
    HWND settings = WaitForDialog(pid, "Mail Settings");
    ASSERT_TRUE(settings);
    EXPECT_EQ(ControlText(settings, IDC_MAIL_REASON),
              "No mail program on this computer takes mail from Oracline: enter your mail server to send through it.");
    const auto chosen = [&](int choice) { return SendMessageA(Control(settings, choice), BM_GETCHECK, 0, 0) == BST_CHECKED; };
    EXPECT_TRUE(chosen(IDC_MAIL_USE_SERVER));
    // A screen reader names every field by its label.
    const std::pair<int, const char*> fields[] = {{IDC_MAIL_SERVER, "Server:"}, {IDC_MAIL_PORT, "Port:"},
                                                  {IDC_MAIL_SECURITY, "Security:"}, {IDC_MAIL_USER, "User name:"},
                                                  {IDC_MAIL_PASSWORD, "Password:"}, {IDC_MAIL_FROM, "Sender:"}};
    for (const auto& field : fields) {
        const std::vector<AccessibleNode> own = AccessibleTree(Control(settings, field.first));
        EXPECT_EQ(own.empty() ? "" : own.front().name, field.second);
    }
    RealInput("key Down");
    EXPECT_TRUE(WaitUntil(2000, [&] { return chosen(IDC_MAIL_USE_MAPI); }));
    RealInput("key --delay 150 Down Return");
    EXPECT_EQ(AnswerMessage(pid), "Please enter your mail server first.    ");
    EXPECT_TRUE(WaitUntil(2000, [&] { return session_->Main().FocusedControlId() == IDC_MAIL_SERVER; }));
    SetControlTexts(settings, {{IDC_MAIL_SERVER, "localhost"}, {IDC_MAIL_PORT, std::to_string(startTls)},
                               {IDC_MAIL_USER, "tester"}, {IDC_MAIL_PASSWORD, "Wrong-Secret-1"}, {IDC_MAIL_FROM, "me@example.com"}});
    PressButton(settings, IDC_MAIL_TEST);
    EXPECT_EQ(AnswerMessage(pid, IDOK, 30000), "Unable to send email. The mail server localhost refused the sign-in:\n" + kSignInRefused + "    ");
    SetControlText(settings, IDC_MAIL_PASSWORD, MailPassword());
    PressButton(settings, IDC_MAIL_TEST);
    EXPECT_EQ(AnswerMessage(pid, IDOK, 30000), "The test mail was sent to me@example.com.    \n"
                                               "The mail server answered: 250 2.0.0 Ok: queued as M1    ");
    EXPECT_NE(ReceivedMail(1).find("Subject\tOracline test mail\n"), std::string::npos) << ReceivedMail(1);
    PressButton(settings, IDOK);
    ASSERT_TRUE(WaitUntilGone(settings));
    EXPECT_EQ(DataFile("mail.ini"), MailIni(startTls, "STARTTLS"));
}

// Over STARTTLS: words beyond ASCII encoded, the report attached byte for
// byte under its name.
TEST_F(MailServerComposer, TheSendArrivesWithItsHeadersAndTheReportWhole)
{
    HWND composer = WaitForDialog(pid, "Email");
    ASSERT_TRUE(composer);
    SetControlTexts(composer, {{IDC_EMAIL_TO, "friend@example.org"},
                               {IDC_EMAIL_SUBJECT, "Gr\u00FC\u00DF" "e aus K\u00F6ln"}, {IDC_EMAIL_MESSAGE, "See the report"}});
    PressButton(composer, IDOK);
    ASSERT_TRUE(WaitUntil(30000, [] { return !ReceivedMail(2).empty(); }));
    const std::string mail = ReceivedMail(2);
    EXPECT_EQ(mail.substr(0, mail.find("Date\t")),
              "envelope\tme@example.com\tfriend@example.org\nFrom\tme@example.com\nTo\tfriend@example.org\n"
              "Subject\tGr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln\n");
    EXPECT_NE(mail.find("\nMessage-ID\t<"), std::string::npos) << mail;
    EXPECT_EQ(mail.find("Date\tNone"), std::string::npos) << mail;
    EXPECT_NE(mail.find("\nbody\tSee the report\nattachment\tday.jpg\timage/jpeg\n"), std::string::npos) << mail;
    EXPECT_EQ(ReadFileBytes(kServerFolder + "2-1.bin"), ReadFileBytes(kReport));
}

// Another port (where the same server would take it) gets nothing until the
// password is typed again (the hints' and the message's words are the mail
// settings' unit tests); Send Test Mail keeps nothing, Cancel neither.
TEST_F(MailServerComposer, TheStoredPasswordStaysWithItsServerPortAndUser)
{
    const std::string stored = MailPassword() + "|localhost:" + std::to_string(startTls) + " tester";
    EXPECT_EQ(StoredMailPassword(startTls), stored);
    PressButton(session_->Daily(), IDC_DAILY_EMAIL);
    HWND composer = WaitForDialog(pid, "Email"), settings = nullptr;
    ASSERT_TRUE(composer && (settings = OpenSettings(composer)));
    SetControlText(settings, IDC_MAIL_PORT, std::to_string(tls));
    ComboDriver(settings, IDC_MAIL_SECURITY).Choose(1);
    EXPECT_EQ(ControlText(settings, IDC_MAIL_PASSWORD_HINT), "Enter the password for this server, port and user name.");
    PressButton(settings, IDC_MAIL_TEST);
    EXPECT_NE(AnswerMessage(pid).find("Please enter the password again"), std::string::npos);
    EXPECT_TRUE(WaitUntil(2000, [&] { return session_->Main().FocusedControlId() == IDC_MAIL_PASSWORD; }) && ReceivedMail(3).empty());
    SetControlText(settings, IDC_MAIL_PASSWORD, MailPassword());
    PressButton(settings, IDC_MAIL_TEST);
    EXPECT_EQ(AnswerMessage(pid, IDOK, 30000), "The test mail was sent to me@example.com.    \n"
                                               "The mail server answered: 250 2.0.0 Ok: queued as M3    ");
    SetControlText(settings, IDC_MAIL_PASSWORD, "Another-Secret-2");
    PressButton(settings, IDCANCEL);
    ASSERT_TRUE(WaitUntilGone(settings));
    EXPECT_EQ(StoredMailPassword(startTls), stored);
    EXPECT_EQ(DataFile("mail.ini"), MailIni(startTls, "STARTTLS"));
    ASSERT_TRUE(CloseAndWait(composer));
}

// Each failure says what happened; the composer comes back with the mail.
TEST_F(MailServerComposer, EachFailureNamesTheServersAnswerAndKeepsTheMail)
{
    PressButton(session_->Daily(), IDC_DAILY_EMAIL);
    HWND composer = WaitForDialog(pid, "Email");
    ASSERT_TRUE(composer);
    SetControlTexts(composer, {{IDC_EMAIL_TO, "nobody@example.org"}, {IDC_EMAIL_SUBJECT, "Today"}, {IDC_EMAIL_MESSAGE, "Hi"}});
    const std::pair<int, std::string> failures[] = {
        {startTls, "refused the recipient nobody@example.org:\n" + kRefusedRecipient},
        {stopped, "(port " + std::to_string(stopped) + ") cannot be reached:\nthe connection was refused"},
        {untrusted, "is not trusted:\n" + kUntrusted}};
    for (const auto& [port, said] : failures) {
        const std::string message = FailedSendThrough(pid, port);
        EXPECT_NE(message.find("Unable to send email. The "), std::string::npos) << message;
        EXPECT_NE(message.find(" localhost " + said + "    "), std::string::npos) << message;
    }
    EXPECT_TRUE(ReceivedMail(4).empty());
    ASSERT_TRUE(CloseAndWait(WaitForDialog(pid, "Email")));
    EXPECT_TRUE(CloseAndWait(session_->Daily()));
    EXPECT_TRUE(session_->Main().Close());
}

// The scheduled run sends with the stored password over TLS from the start,
// and a certificate issued for another name is logged. (The log's wording
// of each failure is unit-tested; the real server's other failures are the
// composer's above.)
TEST_F(MailServer, TheScheduledRunSendsOverTlsAndLogsAFailure)
{
    const int before = ReceivedMailCount();
    ResetDataDirectory(DataFilesFor({kJane}));
    // The certificate names localhost, not the address.
    const std::pair<const char*, std::string> runs[] = {
        {"localhost", "full colours, sent: 250 2.0.0 Ok: queued as M"},
        {"127.0.0.1", "plain text, not sent: certificate not trusted: it is issued for another name"}};
    for (const auto& [server, logged] : runs) {
        const std::string log = ScheduledRunThrough(server, tls, &server == &runs[0].first);
        EXPECT_NE(log.find(", Jane Doe.ini, friend@example.org, " + logged), std::string::npos) << log;
    }
    // The first run's mail is the only one that arrived.
    const std::string mail = ReceivedMail(before + 1);
    EXPECT_TRUE(ReceivedMail(before + 2).empty());
    EXPECT_NE(mail.find("\nattachment\treport.jpg\timage/jpeg\n"), std::string::npos) << mail;
}

// The scheduled run against hostile servers on loopback (hostile-server.py):
// each case ends in time with its own line in the delivery log, and the
// server sees what it should. The rules behind each are unit-tested; this is
// what the real connection, TLS and certificate check make of them.
TEST_F(MailServer, HostileServersGetNoMailAndEachRunIsLoggedInTime)
{
    int pipelined = 0, dripped = 0, refusing = 0, aia = 0;
    ASSERT_EQ(std::sscanf(ReadFileBytes(kServerFolder + "hostile-ports.txt").c_str(),
                          "pipelined %d dripped %d refusing %d aia %d", &pipelined, &dripped, &refusing, &aia), 4);
    ResetDataDirectory(DataFilesFor({kJane}));
    const struct { const char* name; int port; std::string logged, serverSaw; DWORD fromMs, toMs; } cases[] = {
        {"pipelined", pipelined, "not sent: refused: the server answered the message before it was sent",
         "RCPT TO:<friend@example.org>\nDATA\n", 0, 15000},
        // 30 s for the whole answer, not between its bytes.
        {"dripped", dripped, "not sent: no answer in time", "EHLO ", 29000, 40000},
        {"refusing", refusing, "not sent: sign-in refused: " + kSignInRefused, "AUTH ...\nQUIT\n", 0, 15000},
        // The issuer's address is never asked: the run ends at once.
        {"aia", aia, "not sent: certificate not trusted: " + kUntrusted, "tls TLSv1", 0, 15000},
    };
    for (const auto& c : cases) {
        const ULONGLONG start = GetTickCount64();
        const std::string log = ScheduledRunThrough("localhost", c.port, false);
        const DWORD took = static_cast<DWORD>(GetTickCount64() - start);
        EXPECT_NE(log.find(", Jane Doe.ini, friend@example.org, plain text, " + c.logged), std::string::npos) << c.name << ": " << log;
        EXPECT_TRUE(took >= c.fromMs && took <= c.toMs) << c.name << ": " << took << " ms";
        const std::string saw = ReadFileBytes(kServerFolder + c.name + ".log");
        EXPECT_NE(saw.find(c.serverSaw), std::string::npos) << c.name << ": " << saw;
        EXPECT_EQ(saw.find("Subject:"), std::string::npos) << c.name << ": " << saw;
        std::printf("%s: %lu ms, %s", c.name, static_cast<unsigned long>(took), log.c_str());
    }
    EXPECT_EQ(ReadFileBytes(kServerFolder + "silent.log"), "");
}
