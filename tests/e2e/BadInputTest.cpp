// A profile file damaged outside the program: long lines, stray bytes and
// values no list offers. The readers' rules are the unit tests'; here the
// editor opens it and writes back only what it was given.
#include "driver/MainWindowDriver.h"
#include "res/MainWindowIds.h"
#include "res/ProfileEditorIds.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

TEST(BadInput, DamagedProfileOpensAndSaveKeepsTheStoredValues)
{
    const std::string profile = "Profile:Odd\r\nName:Odd One\r\nYourMonth:99\r\nYourDate:abc\r\n"
                                "YourYear:99999\r\n" + std::string(3000, 'y') +
                                "\r\nMotherMonth:\r\nMotherDate:7\r\n" + std::string("\x01\0\xff", 3);
    MainWindowSession session(
        {{"oc.ini", "Profile:Odd One\r\nDescription:Odd\r\nAdjustment:Automatic\r\n"}, {"Odd.ini", profile}});
    ASSERT_TRUE(session.Window());

    EditorDriver editor(session, IDC_EDIT_PROFILE);
    ASSERT_TRUE(editor.Window());
    EXPECT_EQ(editor.Text(IDC_FULL_NAME), "Odd One");
    EXPECT_EQ(editor.ShownDate(IDC_YOUR_MONTH), "-/-/-");

    MessageBoxSeen box = editor.Save();
    ASSERT_TRUE(box.hasYesNo) << box.text;
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    ASSERT_TRUE(editor.WaitGone());
    EXPECT_EQ(DataFile("Odd.ini"),
              "Profile:Odd\r\nName:Odd One\r\nYourMonth:99\r\nYourDate:0\r\nYourYear:99999\r\n");
}

} // namespace
} // namespace e2e
