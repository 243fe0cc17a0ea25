// The Companion Analysis window opened from two selected profiles: its
// explanation page, its printout, and the refusal of a profile whose file
// is gone.
#include "driver/PrinterDriver.h"
#include "res/CompanionWindowIds.h"
#include "res/MainWindowIds.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 5, 4, 1990};
const TestProfile kJohn{"John Smith", "Work", 11, 30, 1965};
const TestProfile kGhost{"Nobody Here", "Ghost", 1, 1, 1980};

// The bands of rows holding dark ink, top to bottom.
int InkBands(const DecodedImage& page)
{
    int bands = 0;
    for (int y = 0, x = 0, before = 0; y < page.Height(); ++y, before = x < page.Width(), x = 0) {
        while (x < page.Width() && !Near(page.Pixel(x, y), RGB(0, 0, 0), 100))
            ++x;
        bands += x < page.Width() && !before;
    }
    return bands;
}

HWND OpenCompanion(MainWindowSession& session, int firstRow, int secondRow)
{
    session.List().ClickRow(firstRow);
    session.List().ClickRow(secondRow, true);
    session.Settle();
    session.Press(IDC_COMPANION);
    return WaitForDialog(session.ProcessId(), "Companion Analysis", 3000);
}

} // namespace

TEST(CompanionAnalysis, ExplainsPrintsTheFourLinesAndRefusesAMissingProfile)
{
    std::map<std::string, std::string> files = DataFilesFor({kJane, kJohn, kGhost});
    files.erase("Ghost.ini");
    MainWindowSession session(files);
    ASSERT_TRUE(session.Window());
    std::string problem;
    ASSERT_TRUE(InstallTestPrinter(&problem)) << problem;

    HWND companion = OpenCompanion(session, 0, 1);
    ASSERT_TRUE(companion) << "no Companion Analysis window";
    PressButton(companion, IDC_COMPANION_EXPLAIN);
    HWND page = WaitForDialog(session.ProcessId(), " Companion Analysis");
    ASSERT_TRUE(page) << "no explanation page";
    // Written for the two profiles chosen, not a page left from before.
    EXPECT_NE(DataFile("reading.htm").find("Taurus and Sagittarius"), std::string::npos);
    ASSERT_TRUE(CloseAndWait(page));

    DeleteFileA(PrintOutputPath().c_str());
    PressButton(companion, IDOK);
    ASSERT_TRUE(WaitUntilGone(companion));
    ASSERT_TRUE(AnswerPrintDialog(session.ProcessId()));
    auto printed = PrintedPage(100);
    ASSERT_TRUE(printed) << "no printed page came back";
    EXPECT_EQ(InkBands(*printed), 4);

    // A profile without its file: a stop, naming it, and no window.
    companion = OpenCompanion(session, 0, 2);
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    EXPECT_EQ(box.text, "Unable to read profile \"Ghost\".     \nCompanion analysis needs both profiles.     ");
    AnswerMessageBox(box, IDOK);
    EXPECT_FALSE(companion || WaitForDialog(session.ProcessId(), "Companion Analysis", 300));
    ASSERT_TRUE(session.Close());
}
