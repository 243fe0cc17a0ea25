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

TEST(Mail, ReportGoesToTypedAndChosenRecipientsAndALargeOneAsAHalfSizeCopy)
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

    // A large report is sent as a private half-size copy, named after it and
    // removed after sending.
    SetMailResult(0);
    ASSERT_TRUE(WriteFileBytes(report, PlainBitmap(1026, 20, RGB(128, 128, 128))));
    composer = OpenComposer(session);
    ASSERT_TRUE(composer);
    EXPECT_EQ(ControlText(composer, IDC_EMAIL_RESOLUTION), "1026 x 20");
    SetControlText(composer, IDC_EMAIL_TO, "a@b.org");
    SetControlText(composer, IDC_EMAIL_SUBJECT, "Big");
    PressButton(composer, IDOK);
    MessageBoxSeen question = WaitForMessageBox(session.ProcessId());
    ASSERT_TRUE(question.hasYesNo);
    AnswerMessageBox(question, IDYES);
    HWND resize = WaitForDialog(session.ProcessId(), "Quick Resize: day.jpg");
    ASSERT_TRUE(resize);
    PressButton(resize, IDC_QUICK_RESIZE_SWITCH);
    ComboDriver scale(resize, IDC_QUICK_RESIZE_SCALE);
    ASSERT_TRUE(WaitUntil(kWaitMs, [&] { return scale.Count() == 100; }));
    ASSERT_TRUE(scale.ChooseText("50%"));
    PressButton(resize, IDOK);
    ASSERT_TRUE(WaitUntilGone(composer));
    ASSERT_TRUE(WaitUntil(kWaitMs, [] { return ReadMailRecord().size() == 3; }));
    const std::vector<MailAttachment> sent = ReadMailRecord().back().attachments;
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].path.find(DataDirectory()), std::string::npos) << sent[0].path;
    EXPECT_EQ(sent[0].name, "_T_day.jpg");
    DecodedImage copy(sent[0].copy);
    EXPECT_EQ(std::to_string(copy.Width()) + " x " + std::to_string(copy.Height()), "513 x 10");
    EXPECT_TRUE(IsJpeg(ReadFileBytes(sent[0].copy)));
    EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return !FileExists(sent[0].path); }));
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
