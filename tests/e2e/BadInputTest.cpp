// Files damaged outside the program: long lines, NUL and stray bytes,
// repeated and unfinished rows, values no list offers. The program opens
// them, shows what can be read, and writes back only what it was given.
#include "driver/MainWindowDriver.h"
#include "res/MainWindowIds.h"
#include "res/ProfileEditorIds.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

TEST(BadInput, DamagedIndexAndProfileOpenAndSaveKeepsTheStoredValues)
{
    const std::string index = "Profile:Odd One\r\nDescription:Odd\r\n" + std::string(2000, 'x') +
                              "\r\nAdjustment:Automatic\r\n" + std::string("Profile:Sam\0Hidden\r\n", 20) +
                              "Description:Work\r\nAdjustment:Manual\r\n"
                              "Adjustment:Manual\r\n"
                              "Profile:Last\r\nDescription:Last\r\n";
    const std::string profile = "Profile:Odd\r\nName:Odd One\r\nYourMonth:99\r\nYourDate:abc\r\n"
                                "YourYear:99999\r\n" + std::string(3000, 'y') +
                                "\r\nMotherMonth:\r\nMotherDate:7\r\n" + std::string("\x01\0\xff", 3);
    MainWindowSession session({{"oc.ini", index}, {"Odd.ini", profile}});
    ASSERT_TRUE(session.Window());

    // A repeated row keeps the running values; a row without "Adjustment:" is not one.
    ListViewDriver list = session.List();
    ASSERT_EQ(list.RowCount(), 3);
    const char* const rows[][3] = {
        {"Odd One", "Odd", "Automatic"}, {"Sam", "Work", "Manual"}, {"Sam", "Work", "Manual"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(list.CellText(row, column), rows[row][column]) << row << "," << column;

    EditorDriver editor(session, IDC_EDIT_PROFILE);
    ASSERT_TRUE(editor.Window());
    EXPECT_EQ(editor.Text(IDC_FULL_NAME), "Odd One");
    EXPECT_EQ(editor.ShownDate(IDC_YOUR_MONTH), "-/-/-");
    // An empty "MotherMonth:" does not switch the mother's date on.
    EXPECT_FALSE(editor.Checked(IDC_USE_MOTHER));

    MessageBoxSeen box = editor.Save();
    ASSERT_TRUE(box.hasYesNo) << box.text;
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    ASSERT_TRUE(editor.WaitGone());
    EXPECT_EQ(DataFile("Odd.ini"),
              "Profile:Odd\r\nName:Odd One\r\nYourMonth:99\r\nYourDate:0\r\nYourYear:99999\r\n");

    ASSERT_TRUE(session.Close());
    EXPECT_EQ(DataFile("oc.ini"), "Profile:Odd One\r\nDescription:Odd\r\nAdjustment:Automatic\r\n"
                                  "Profile:Sam\r\nDescription:Work\r\nAdjustment:Manual\r\n"
                                  "Profile:Sam\r\nDescription:Work\r\nAdjustment:Manual\r\n");
}

} // namespace
} // namespace e2e
