// E-mail from the Daily Analysis window through the recording mapi32.dll:
// what reaches the mail client, a failure the user is told about, the
// contacts file, and a large report resized on the way.
#include "driver/DailyDriver.h"
#include "driver/MailRecord.h"
#include "res/ContactDialogIds.h"
#include "res/DailyAnalysisWindowIds.h"
#include "res/EmailDialogIds.h"
#include "res/QuickResizeIds.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 3, 2, 1950};
const char* const kNoMapiClient = "Unable to send email. Make sure you use a MAPI client.  ";

std::string ReportPath(const std::string& name) { return DataDirectory() + "Reports\\" + name; }

// A Daily Analysis window whose report is saved through the real Save As
// dialog, and a composer opened on it.
HWND OpenComposer(DailySession& session, const std::string& savedAs = "")
{
    if (!savedAs.empty()) {
        PressButton(session.Daily(), IDC_DAILY_SAVE);
        EnterFileName(WaitForDialog(session.ProcessId(), "Save Report"), savedAs);
        AnswerMessageBox(WaitForMessageBox(session.ProcessId()), IDOK);
    }
    PressButton(session.Daily(), IDC_DAILY_EMAIL);
    return WaitForDialog(session.ProcessId(), "Email");
}

// Fills the texts, presses Email and returns the message that followed
// within a second (empty when none came).
std::string Send(DailySession& session, HWND composer, const std::string& to, const std::string& message = "")
{
    SetControlText(composer, IDC_EMAIL_TO, to);
    SetControlText(composer, IDC_EMAIL_SUBJECT, "Today");
    SetControlText(composer, IDC_EMAIL_MESSAGE, message);
    PressButton(composer, IDOK);
    EXPECT_TRUE(WaitUntilGone(composer));
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId(), 1000);
    AnswerMessageBox(box, IDOK);
    return box.text;
}

void Finish(DailySession& session)
{
    CloseDialog(session.Daily());
    EXPECT_TRUE(session.Main().Close());
}

} // namespace

TEST(Mail, ReportGoesToTypedAndChosenRecipients)
{
    PrepareMailRecord();
    DailySession session(kJane, 2005, 9, 12);
    ASSERT_TRUE(session.Daily());
    const std::string report = ReportPath("day.jpg");
    HWND composer = OpenComposer(session, report);
    ASSERT_TRUE(composer);
    EXPECT_EQ(ControlText(composer, IDC_EMAIL_FILE_NAME) + " " + ControlText(composer, IDC_EMAIL_SIZE) + " " +
                  ControlText(composer, IDC_EMAIL_RESOLUTION),
              "day.jpg " + std::to_string(ReadFileBytes(report).size() / 1024) + "KB 780 x 550");
    PressButton(composer, IDC_EMAIL_ADD_CONTACT);
    HWND contact = WaitForDialog(session.ProcessId(), "Contact Information");
    ASSERT_TRUE(contact);
    SetControlText(contact, IDC_CONTACT_NAME, "Ann");
    SetControlText(contact, IDC_CONTACT_EMAIL, "ann@x.org");
    PressButton(contact, IDOK);
    ASSERT_TRUE(WaitUntilGone(contact));
    ASSERT_TRUE(CloseAndWait(composer));
    EXPECT_EQ(DataFile("contacts.ini"), "Name:Ann\r\nEmail:ann@x.org\r\n");

    // The contact comes back selected, ready for "<<----".
    composer = OpenComposer(session);
    ASSERT_TRUE(composer);
    SetControlText(composer, IDC_EMAIL_TO, "a@b.org;c@d");
    PressButton(composer, IDC_EMAIL_ADD_TO);
    ASSERT_TRUE(WaitUntil(kWaitMs, [&] { return ControlText(composer, IDC_EMAIL_TO) == "a@b.org;c@d;ann@x.org"; }));
    EXPECT_EQ(Send(session, composer, ControlText(composer, IDC_EMAIL_TO), "Daily Report"), "");
    const std::vector<SentMail> mails = ReadMailRecord();
    ASSERT_EQ(mails.size(), 1u);
    const SentMail& mail = mails[0];
    // Not the mapi32.dll beside Oracline.exe.
    EXPECT_EQ(mail.library, SystemMailLibrary());
    EXPECT_EQ(mail.flags, 1u);  // logon allowed, no compose window
    EXPECT_TRUE(mail.owner);
    EXPECT_EQ(mail.subject + "|" + mail.note, "Today|Daily Report ");
    std::string recipients;
    for (const MailRecipient& r : mail.recipients)
        recipients += std::to_string(r.recipientClass) + " " + r.name + " " + r.address + ";";
    EXPECT_EQ(recipients, "1 a@b.org (null);1 c@d (null);1 ann@x.org (null);");
    ASSERT_EQ(mail.attachments.size(), 1u);
    EXPECT_EQ(mail.attachments[0].path + " " + mail.attachments[0].name, report + " day.jpg");
    EXPECT_EQ(mail.attachments[0].position, 12u);

    // A refused send brings the composer back as it was, the failure over
    // it; Cancel then discards the mail.
    SetMailResult(2);
    composer = OpenComposer(session);
    ASSERT_TRUE(composer);
    EXPECT_EQ(Send(session, composer, "a@b.org", "Again"), kNoMapiClient);
    composer = WaitForDialog(session.ProcessId(), "Email");
    ASSERT_TRUE(composer);
    EXPECT_EQ(ControlText(composer, IDC_EMAIL_TO) + "|" + ControlText(composer, IDC_EMAIL_SUBJECT) + "|" +
                  ControlText(composer, IDC_EMAIL_MESSAGE) + "|" + ControlText(composer, IDC_EMAIL_FILE_NAME),
              "a@b.org|Today|Again|day.jpg");
    EXPECT_EQ(ReadMailRecord().size(), 2u);
    PressButton(composer, IDCANCEL);
    ASSERT_TRUE(WaitUntilGone(composer));
    EXPECT_EQ(ReadMailRecord().size(), 2u);
    Finish(session);
}

// Run by CTest on its own, with neither the recording library nor Wine's own
// mapi32 loadable (WINEDLLOVERRIDES is read only when a program starts).
TEST(MailWithoutMapi, TheComposerSaysSoWhenItOpens)
{
    PrepareMailRecord();
    DailySession session(kJane, 2005, 9, 12);
    ASSERT_TRUE(session.Daily());
    HWND composer = OpenComposer(session, ReportPath("day.jpg"));
    ASSERT_TRUE(composer);
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    EXPECT_EQ(box.text, kNoMapiClient);
    AnswerMessageBox(box, IDOK);
    ASSERT_TRUE(CloseAndWait(composer));
    EXPECT_FALSE(FileExists(kMailRecordPath));
    Finish(session);
}

TEST(Mail, LargeReportIsSentAsAHalfSizeCopy)
{
    PrepareMailRecord();
    DailySession session(kJane, 2005, 9, 12);
    ASSERT_TRUE(session.Daily());
    const std::string report = ReportPath("big.jpg");
    HWND composer = OpenComposer(session, report);
    ASSERT_TRUE(composer);
    ASSERT_TRUE(CloseAndWait(composer));
    // A grey 1026 x 20 bitmap in its place, which GDI+ reads whatever its name.
    const int stride = 1026 * 3 + 2;
    BITMAPFILEHEADER file{0x4D42, DWORD(54 + stride * 20), 0, 0, 54};
    BITMAPINFOHEADER info{40, 1026, 20, 1, 24, BI_RGB, DWORD(stride * 20), 0, 0, 0, 0};
    ASSERT_TRUE(WriteFileBytes(report, std::string(reinterpret_cast<char*>(&file), 14) +
                                           std::string(reinterpret_cast<char*>(&info), 40) +
                                           std::string(stride * 20, '\x80')));

    composer = OpenComposer(session);
    ASSERT_TRUE(composer);
    EXPECT_EQ(ControlText(composer, IDC_EMAIL_RESOLUTION), "1026 x 20");
    SetControlText(composer, IDC_EMAIL_TO, "a@b.org");
    SetControlText(composer, IDC_EMAIL_SUBJECT, "Big");
    PressButton(composer, IDOK);
    MessageBoxSeen question = WaitForMessageBox(session.ProcessId());
    ASSERT_TRUE(question.hasYesNo);
    AnswerMessageBox(question, IDYES);
    HWND resize = WaitForDialog(session.ProcessId(), "Quick Resize: big.jpg");
    ASSERT_TRUE(resize);
    PressButton(resize, IDC_QUICK_RESIZE_SWITCH);
    ComboDriver scale(resize, IDC_QUICK_RESIZE_SCALE);
    ASSERT_TRUE(WaitUntil(kWaitMs, [&] { return scale.Count() == 100; }));
    ASSERT_TRUE(scale.ChooseText("50%"));
    EXPECT_NE(DataFile("message.htm").find("513 x 10 pixels"), std::string::npos);
    PressButton(resize, IDOK);
    ASSERT_TRUE(WaitUntilGone(composer));
    ASSERT_TRUE(WaitUntil(kWaitMs, [] { return !ReadMailRecord().empty(); }));

    const std::vector<SentMail> mails = ReadMailRecord();
    ASSERT_EQ(mails.size(), 1u);
    ASSERT_EQ(mails[0].attachments.size(), 1u);
    // A private copy, named after the report, removed after sending.
    const MailAttachment& copy = mails[0].attachments[0];
    EXPECT_EQ(copy.path.find(DataDirectory()), std::string::npos) << copy.path;
    EXPECT_EQ(copy.name, "_T_big.jpg");
    DecodedImage sent(copy.copy);
    EXPECT_EQ(std::to_string(sent.Width()) + " x " + std::to_string(sent.Height()), "513 x 10");
    EXPECT_TRUE(IsJpeg(ReadFileBytes(copy.copy)));
    EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return !FileExists(copy.path); }));
    Finish(session);
}
