// Names in four scripts typed for real into the profile editor: they name
// the profile files, the list's rows and the Daily Analysis caption, and
// reach the mail as typed. A profile an earlier version wrote in the system
// code page reads as it did. (The files' bytes and the index read back after
// a restart are the profile readers' and writers' unit tests.)
#include "driver/Driver.h"
#include "res/DailyAnalysisWindowIds.h"
#include "res/EmailDialogIds.h"
#include "res/MainWindowIds.h"
#include "res/ProfileEditorIds.h"

namespace e2e {
namespace {

const char* const kNames[] = {
    "Zo\u00EB N\u00FA\u00F1ez",                                              // Latin with diacritics
    "\u0141ukasz \u017B\u00F3\u0142\u0107",                                  // Polish
    "\u0414\u043C\u0438\u0442\u0440\u0438\u0439 \u041E\u0440\u043B\u043E\u0432",  // Cyrillic
    "\u738B\u4F1F",                                                          // Chinese
};

// Typed into the field under a real click, a character at a time as a
// keyboard types it. xdotool lends each new letter a spare key and Wine may
// see the key before it sees the new keymap: a letter that came out as
// nothing, as another, or as a key that took the text with it is typed again
// on what was typed before.
void TypeInto(HWND editor, int controlId, const std::string& text)
{
    RealClick(Control(editor, controlId));
    std::string typed;
    for (size_t at = 0; at < text.size();) {
        size_t length = 1;
        while (at + length < text.size() && (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80)
            ++length;
        const std::string character = text.substr(at, length);
        for (int attempt = 0; attempt < 3 && ControlText(editor, controlId) != typed + character; ++attempt) {
            if (ControlText(editor, controlId) != typed) {
                SetControlText(editor, controlId, typed);
                SendMessageA(Control(editor, controlId), EM_SETSEL, 0xFFFF, 0xFFFF);
            }
            RealInput("type --delay 120 \"" + character + "\"");
            WaitUntil(1000, [&] { return ControlText(editor, controlId) != typed; });
        }
        typed += character;
        at += length;
    }
    EXPECT_EQ(ControlText(editor, controlId), text);
}

std::string Rows(const ListViewDriver& list)
{
    std::string rows;
    for (int row = 0; row < list.RowCount(); ++row)
        rows += "[" + list.CellText(row, 0) + "|" + list.CellText(row, 1) + "]";
    return rows;
}

TEST(EveryScript, TypedNamesNameTheFilesTheCaptionsAndReachTheMailAsTyped)
{
    PrepareMailRecord();
    // Windows-1252 bytes, as earlier versions wrote for "Zoë".
    const std::string old = "Zo\u00EB";
    MainWindowSession first({{"oc.ini", "Profile:Zo\xEB Old\r\nDescription:Zo\xEB\r\nAdjustment:Automatic\r\n"},
                             {old + ".ini", "Profile:Zo\xEB\r\nName:Zo\xEB Old\r\nYourMonth:3\r\nYourDate:4\r\nYourYear:1970\r\n"}});
    ASSERT_TRUE(first.Window());
    std::string rows = "[" + old + " Old|" + old + "]";
    EXPECT_EQ(Rows(first.List()), rows);

    for (const std::string name : kNames) {
        first.Press(IDC_ADD_PROFILE);
        HWND editor = WaitForDialog(first.ProcessId(), "Profile");
        ASSERT_TRUE(editor);
        // The description names the file: the name first.
        TypeInto(editor, IDC_DESCRIPTION, name);
        TypeInto(editor, IDC_FULL_NAME, name);
        PressButton(editor, IDOK);
        EXPECT_EQ(AnswerMessage(first.ProcessId(), IDOK, 1000), "") << name;
        ASSERT_TRUE(WaitUntilGone(editor)) << name;
        EXPECT_TRUE(FileExists(DataDirectory() + name + ".ini")) << name;
        rows += "[" + name + "|" + name + "]";
    }
    EXPECT_EQ(Rows(first.List()), rows);
    // The last typed name names the caption and reaches the mail.
    ASSERT_TRUE(first.ChooseDate({2026, 3, 1}));
    const std::string name = kNames[3];
    first.List().ClickRow(4);
    first.Settle();
    first.Press(IDOK);
    const std::string caption = DailySetOf(DataDirectory() + name + ".ini", {2026, 3, 1}).Title;
    EXPECT_NE(caption.find("  - " + name + " -  "), std::string::npos) << caption;
    HWND daily = WaitForDialog(first.ProcessId(), caption);
    ASSERT_TRUE(daily) << caption;
    // The mail carries the names as typed, in its subject and its text.
    EmailSavingFirst(first.ProcessId(), daily, ReportsDirectory() + name);
    HWND composer = WaitForDialog(first.ProcessId(), "Email");
    ASSERT_TRUE(composer);
    std::string all;
    for (const std::string typed : kNames)
        all += (all.empty() ? "" : " ") + typed;
    SetControlTexts(composer, {{IDC_EMAIL_TO, "a@b.org"}, {IDC_EMAIL_SUBJECT, all}, {IDC_EMAIL_MESSAGE, name}});
    PressButton(composer, IDOK);
    EXPECT_EQ(AnswerMessage(first.ProcessId(), IDOK, 1000), "");
    const std::vector<std::string> mails = ReadMailRecord();
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(MailItem(mails[0], "subject"), all);
    EXPECT_EQ(MailItem(mails[0], "note"), name + " ");
    EXPECT_NE(mails[0].find("\t" + name + ".jpg\t"), std::string::npos) << mails[0];
}

} // namespace
} // namespace e2e
