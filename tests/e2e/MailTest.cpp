// E-mail from the Daily Analysis window through the recording mapi32.dll:
// what reaches the mail client, the failures the user is told about, the
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

// Saves the report through the real Save As dialog.
bool SaveReport(DailySession& session, const std::string& path)
{
    PressButton(session.Daily(), IDC_DAILY_SAVE);
    if (!EnterFileName(WaitForDialog(session.ProcessId(), "Save Report"), path))
        return false;
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    return AnswerMessageBox(box, IDOK);
}

HWND OpenComposer(DailySession& session)
{
    PressButton(session.Daily(), IDC_DAILY_EMAIL);
    return WaitForDialog(session.ProcessId(), "Email");
}

void AddContact(DailySession& session, HWND composer, const std::string& name, const std::string& address)
{
    PressButton(composer, IDC_EMAIL_ADD_CONTACT);
    HWND contact = WaitForDialog(session.ProcessId(), "Contact Information");
    ASSERT_TRUE(contact);
    SetControlText(contact, IDC_CONTACT_NAME, name);
    SetControlText(contact, IDC_CONTACT_EMAIL, address);
    PressButton(contact, IDOK);
    ASSERT_TRUE(WaitUntilGone(contact));
}

// Fills To and Subject, presses Email and returns the message that followed
// within a second (empty when none came).
std::string Send(DailySession& session, HWND composer)
{
    SetControlText(composer, IDC_EMAIL_TO, "a@b.org");
    SetControlText(composer, IDC_EMAIL_SUBJECT, "Report");
    PressButton(composer, IDOK);
    EXPECT_TRUE(WaitUntilGone(composer));
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId(), 1000);
    AnswerMessageBox(box, IDOK);
    return box.text;
}

// A 24-bit BMP of one colour, which GDI+ reads whatever the file is named.
std::string BitmapBytes(int width, int height)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    const int pixels = stride * height;
    std::string bytes(54 + pixels, '\0');
    auto put = [&](int at, int value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, static_cast<int>(bytes.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, width, 4);
    put(22, height, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, pixels, 4);
    for (int i = 54; i < static_cast<int>(bytes.size()); ++i)
        bytes[i] = static_cast<char>(0x80);
    return bytes;
}

} // namespace

TEST(Mail, TypedAndChosenRecipientsGetTheSavedReport)
{
    PrepareMailRecord();
    DailySession session(kJane, 2005, 9, 12);
    ASSERT_TRUE(session.Daily());
    const std::string report = ReportPath("day.jpg");
    ASSERT_TRUE(SaveReport(session, report));
    HWND composer = OpenComposer(session);
    ASSERT_TRUE(composer);
    EXPECT_EQ(ControlText(composer, IDC_EMAIL_FILE_NAME), "day.jpg");
    EXPECT_EQ(ControlText(composer, IDC_EMAIL_SIZE), std::to_string(ReadFileBytes(report).size() / 1024) + "KB");
    EXPECT_EQ(ControlText(composer, IDC_EMAIL_RESOLUTION), "780 x 550");
    EXPECT_FALSE(ControlEnabled(composer, IDC_EMAIL_ADD_TO));

    SetControlText(composer, IDC_EMAIL_TO, "a@b.org;c d");
    AddContact(session, composer, "Ann", "ann@x.org");
    ASSERT_TRUE(ControlEnabled(composer, IDC_EMAIL_ADD_TO));
    PressButton(composer, IDC_EMAIL_ADD_TO);
    EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return ControlText(composer, IDC_EMAIL_TO) == "a@b.org;c d;ann@x.org"; }));
    SetControlText(composer, IDC_EMAIL_SUBJECT, "Today");
    SetControlText(composer, IDC_EMAIL_MESSAGE, "Daily Report");
    PressButton(composer, IDOK);
    ASSERT_TRUE(WaitUntilGone(composer));
    ASSERT_TRUE(WaitUntil(kWaitMs, [] { return !ReadMailRecord().empty(); }));

    const std::vector<SentMail> mails = ReadMailRecord();
    ASSERT_EQ(mails.size(), 1u);
    const SentMail& mail = mails[0];
    EXPECT_EQ(mail.flags, 1u);  // logon allowed, no compose window
    EXPECT_TRUE(mail.owner);
    EXPECT_EQ(mail.subject, "Today");
    EXPECT_EQ(mail.note, "Daily Report ");
    ASSERT_EQ(mail.recipients.size(), 3u);
    const char* names[] = {"a@b.org", "c d", "ann@x.org"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(mail.recipients[i].recipientClass, 1);
        EXPECT_EQ(mail.recipients[i].name, names[i]);
        EXPECT_EQ(mail.recipients[i].address, "(null)");
    }
    ASSERT_EQ(mail.attachments.size(), 1u);
    EXPECT_EQ(mail.attachments[0].path, report);
    EXPECT_EQ(mail.attachments[0].name, "(null)");
    EXPECT_EQ(mail.attachments[0].position, 12u);
    EXPECT_EQ(DataFile("contacts.ini"), "Name:Ann\r\nEmail:ann@x.org\r\n");
    EXPECT_EQ(WaitForMessageBox(session.ProcessId(), 500).text, "");
    CloseDialog(session.Daily());
    EXPECT_TRUE(session.Main().Close());
}

TEST(Mail, FailuresAreToldAndContactsSurviveCancel)
{
    PrepareMailRecord();
    DailySession session(kJane, 2005, 9, 12);
    ASSERT_TRUE(session.Daily());
    ASSERT_TRUE(SaveReport(session, ReportPath("day.jpg")));
    HWND composer = OpenComposer(session);
    ASSERT_TRUE(composer);
    AddContact(session, composer, "Ann", "ann@x.org");
    CloseDialog(composer);
    ASSERT_TRUE(WaitUntilGone(composer));
    EXPECT_EQ(DataFile("contacts.ini"), "Name:Ann\r\nEmail:ann@x.org\r\n");

    // A failure code and a failed logon are failures; a cancel in the
    // mail client is the user's own choice and says nothing.
    const std::pair<unsigned long, const char*> results[] = {{2, kNoMapiClient}, {3, kNoMapiClient}, {1, ""}};
    for (const auto& result : results) {
        SCOPED_TRACE(result.first);
        SetMailResult(result.first);
        composer = OpenComposer(session);
        ASSERT_TRUE(composer);
        EXPECT_EQ(ListViewDriver(Control(composer, IDC_EMAIL_CONTACT_LIST)).CellText(0, 1), "ann@x.org");
        EXPECT_EQ(Send(session, composer), result.second);
    }
    EXPECT_EQ(ReadMailRecord().size(), 3u);
    CloseDialog(session.Daily());
    EXPECT_TRUE(session.Main().Close());
}

// Run by CTest on its own, with neither the recording library nor Wine's own
// mapi32 loadable (WINEDLLOVERRIDES is read only when a program starts).
TEST(MailWithoutMapi, SendingSaysThereIsNoMailClient)
{
    PrepareMailRecord();
    DailySession session(kJane, 2005, 9, 12);
    ASSERT_TRUE(session.Daily());
    ASSERT_TRUE(SaveReport(session, ReportPath("day.jpg")));
    HWND composer = OpenComposer(session);
    ASSERT_TRUE(composer);
    EXPECT_EQ(Send(session, composer), kNoMapiClient);
    EXPECT_FALSE(FileExists(kMailRecordPath));
    CloseDialog(session.Daily());
    EXPECT_TRUE(session.Main().Close());
}

TEST(Mail, LargeReportIsSentAsAHalfSizeCopy)
{
    PrepareMailRecord();
    DailySession session(kJane, 2005, 9, 12);
    ASSERT_TRUE(session.Daily());
    const std::string report = ReportPath("big.jpg");
    ASSERT_TRUE(SaveReport(session, report));
    ASSERT_TRUE(WriteFileBytes(report, BitmapBytes(1026, 20)));
    HWND composer = OpenComposer(session);
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
    EXPECT_FALSE(ControlEnabled(resize, IDOK));
    ASSERT_TRUE(scale.ChooseText("50%"));
    EXPECT_TRUE(ControlEnabled(resize, IDOK));
    EXPECT_NE(DataFile("message.htm").find("513 x 10 pixels"), std::string::npos);
    PressButton(resize, IDOK);
    ASSERT_TRUE(WaitUntilGone(composer));
    ASSERT_TRUE(WaitUntil(kWaitMs, [] { return !ReadMailRecord().empty(); }));

    const std::vector<SentMail> mails = ReadMailRecord();
    ASSERT_EQ(mails.size(), 1u);
    ASSERT_EQ(mails[0].attachments.size(), 1u);
    EXPECT_EQ(mails[0].attachments[0].path, ReportPath("_T_big.jpg"));
    DecodedImage sent(mails[0].attachments[0].copy);
    EXPECT_EQ(sent.Width(), 513);
    EXPECT_EQ(sent.Height(), 10);
    EXPECT_TRUE(IsJpeg(ReadFileBytes(mails[0].attachments[0].copy)));
    EXPECT_TRUE(WaitUntil(kWaitMs, [] { return !FileExists(ReportPath("_T_big.jpg")); }));
    EXPECT_TRUE(FileExists(report));
    CloseDialog(session.Daily());
    EXPECT_TRUE(session.Main().Close());
}
