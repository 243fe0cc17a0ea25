// Printing to the tests' PostScript printer: the daily report straight onto
// the page, and the hourly image through the Print Options dialog, read back
// as a picture of the page.
#include "driver/ComboDriver.h"
#include "driver/HourlyDriver.h"
#include "driver/PrinterDriver.h"
#include "res/HourlyWindowIds.h"
#include "res/PrintOptionsIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 5, 4, 1990};
const char* const kOptionsCaption = "Print: hourly.jpg";
const char* const kPhotoQuestion =
    "Would you like Oracline to adjust report's width for you?    \n\n"
    "Answer \"Yes\" - if you want to keep original report's ratio intact.\n"
    "Answer \"No\" - if you want to print it exactly 4 x 6.    ";

// The page as Ghostscript draws it at 100 dots per inch.
constexpr int kDotsPerInch = 100;

struct Box {
    int left = 0;
    int top = 0;
    int right = -1;  // inclusive; -1 when nothing was found
    int bottom = -1;
    bool Empty() const { return right < left; }
};

Box BoxOf(const DecodedImage& page, const std::function<bool(COLORREF)>& wanted)
{
    Box box{page.Width(), page.Height(), -1, -1};
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x)
            if (wanted(page.Pixel(x, y))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

bool IsGrey(COLORREF pixel)
{
    return Near(pixel, RGB(128, 128, 128), 24);
}

bool IsDark(COLORREF pixel)
{
    return pixel != CLR_INVALID && GetRValue(pixel) < 100 && GetGValue(pixel) < 100 && GetBValue(pixel) < 100;
}

bool IsColoured(COLORREF pixel)
{
    if (pixel == CLR_INVALID)
        return false;
    const int r = GetRValue(pixel);
    const int g = GetGValue(pixel);
    const int b = GetBValue(pixel);
    return std::max({r, g, b}) - std::min({r, g, b}) > 48;
}

class PrintingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string problem;
        ASSERT_TRUE(InstallTestPrinter(&problem)) << problem;
    }
    void SetUp() override { DeleteFileA(PrintOutputPath().c_str()); }

    // Accepts the print dialog the program has just opened.
    static bool AcceptPrint(DWORD processId)
    {
        HWND print = WaitForPrintDialog(processId);
        if (!print)
            return false;
        AcceptPrintDialog(print);
        return WaitUntilGone(print);
    }

    // Waits for the job and returns the page as a picture.
    static std::unique_ptr<DecodedImage> PrintedPage()
    {
        if (WaitForPrintOutput().empty())
            return nullptr;
        const std::string png = RenderPrintOutput(kDotsPerInch);
        if (png.empty())
            return nullptr;
        auto page = std::make_unique<DecodedImage>(png);
        return page->Loaded() ? std::move(page) : nullptr;
    }
};

} // namespace

TEST_F(PrintingTest, DailyReportIsPrintedInBlackWithoutOptions)
{
    DailySession session(kJane, 2024, 3, 15);
    ASSERT_TRUE(session.Daily());
    PressButton(session.Daily(), IDOK);
    ASSERT_TRUE(AcceptPrint(session.ProcessId()));
    auto page = PrintedPage();
    ASSERT_TRUE(page) << "no printed page came back";
    EXPECT_EQ(page->Width(), 850);
    EXPECT_EQ(page->Height(), 1100);
    const Box ink = BoxOf(*page, IsDark);
    ASSERT_FALSE(ink.Empty()) << "the page is blank";
    EXPECT_TRUE(BoxOf(*page, IsColoured).Empty()) << "the paper report is black only";
    // The report starts inside the printable area, a quarter inch in.
    EXPECT_GE(ink.left, 25);
    EXPECT_GE(ink.top, 25);
    EXPECT_GT(ink.right - ink.left, 300);
    EXPECT_FALSE(WaitForDialog(session.ProcessId(), kOptionsCaption, 200));
    EXPECT_TRUE(WaitForCaption(session.Daily(), session.DailyTitle()));
}

TEST_F(PrintingTest, OptionsDialogShowsTheFittedSizeAndFollowsResizeAndPhoto)
{
    DailySession session(kJane, 2024, 3, 15);
    HWND hourly = session.OpenHourly(1);
    ASSERT_TRUE(hourly);
    PressButton(hourly, IDC_HOURLY_PRINT);
    ASSERT_TRUE(AcceptPrint(session.ProcessId()));
    HWND options = WaitForDialog(session.ProcessId(), kOptionsCaption);
    ASSERT_TRUE(options);

    ComboDriver resize(options, IDC_PRINT_RESIZE);
    ComboDriver tile(options, IDC_PRINT_TILE);
    EXPECT_EQ(ControlText(options, IDC_PRINT_RESOLUTION), "300 X 300");
    ASSERT_EQ(resize.Count(), 100);
    EXPECT_EQ(resize.ItemText(0), "100%");
    EXPECT_EQ(resize.ItemText(99), "1%");
    EXPECT_EQ(resize.SelectedText(), "100%");
    // 800 x 480 on the 8.0 inches of a Letter page with quarter-inch margins.
    EXPECT_EQ(ControlText(options, IDC_PRINT_HEIGHT), "4.80");
    EXPECT_EQ(ControlText(options, IDC_PRINT_WIDTH), "8.00");
    EXPECT_FALSE(ControlEnabled(options, IDC_PRINT_TILE));
    EXPECT_EQ(tile.Count(), 0);

    resize.Choose(50);
    EXPECT_EQ(resize.SelectedText(), "50%");
    EXPECT_EQ(ControlText(options, IDC_PRINT_HEIGHT), "2.40");
    EXPECT_EQ(ControlText(options, IDC_PRINT_WIDTH), "4.00");
    EXPECT_TRUE(ControlEnabled(options, IDC_PRINT_TILE));
    ASSERT_EQ(tile.Count(), 2);
    EXPECT_EQ(tile.SelectedText(), "no");

    HWND photo = Control(options, IDC_PRINT_PHOTO_4X6);
    auto clickPhoto = [&] {
        SendMessageA(photo, BM_CLICK, 0, 0);
        session.Main().Settle();
    };
    clickPhoto();
    EXPECT_EQ(SendMessageA(photo, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(ControlText(options, IDC_PRINT_HEIGHT), "4.00");
    EXPECT_EQ(ControlText(options, IDC_PRINT_WIDTH), "6.00");
    EXPECT_FALSE(ControlEnabled(options, IDC_PRINT_RESIZE));
    EXPECT_FALSE(ControlEnabled(options, IDC_PRINT_TILE));
    clickPhoto();
    EXPECT_EQ(SendMessageA(photo, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(ControlEnabled(options, IDC_PRINT_RESIZE));
    EXPECT_FALSE(ControlEnabled(options, IDC_PRINT_TILE));
    EXPECT_EQ(ControlText(options, IDC_PRINT_WIDTH), "6.00");

    // A size that is not a number keeps the dialog open.
    SendMessageA(Control(options, IDC_PRINT_HEIGHT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("tall"));
    PressButton(options, IDOK);
    MessageBoxSeen refusal = WaitForMessageBox(session.ProcessId());
    ASSERT_TRUE(refusal);
    AnswerMessageBox(refusal, IDOK);
    EXPECT_TRUE(IsWindowVisible(options));
    CloseDialog(options);
    ASSERT_TRUE(WaitUntilGone(options));
    CloseDialog(hourly);
    ASSERT_TRUE(WaitUntilGone(hourly));
}

TEST_F(PrintingTest, HourlyImageLandsWhereTheOptionsPutIt)
{
    DailySession session(kJane, 2024, 3, 15);
    HWND hourly = session.OpenHourly(3);
    ASSERT_TRUE(hourly);
    // Sizes in inches on the paper. The drawing's origin is the printable
    // area's corner, a quarter inch in from the paper's, and the image is
    // placed a further physical offset in: at full size its right end runs a
    // quarter inch past the printable area and is cut there.
    struct Case {
        const char* name;
        int resizeIndex;   // -1: leave at 100%
        bool photo;
        int answer;        // to the 4 x 6 question
        float x, y, width, height;
    };
    const Case cases[] = {
        {"fitted", -1, false, 0, 0.5f, 0.5f, 7.75f, 4.8f},
        {"half size", 50, false, 0, 0.5f, 0.5f, 4.0f, 2.4f},
        {"4 x 6 keeping the ratio", -1, true, IDYES, 0.42f, 0.42f, 6.0f, 3.6f},
        {"exactly 4 x 6", -1, true, IDNO, 0.25f, 0.25f, 6.0f, 4.0f},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        DeleteFileA(PrintOutputPath().c_str());
        PressButton(hourly, IDC_HOURLY_PRINT);
        ASSERT_TRUE(AcceptPrint(session.ProcessId()));
        HWND options = WaitForDialog(session.ProcessId(), kOptionsCaption);
        ASSERT_TRUE(options);
        if (test.resizeIndex >= 0)
            ComboDriver(options, IDC_PRINT_RESIZE).Choose(test.resizeIndex);
        if (test.photo)
            PostMessageA(Control(options, IDC_PRINT_PHOTO_4X6), BM_CLICK, 0, 0);
        session.Main().Settle();
        PressButton(options, IDOK);
        if (test.photo) {
            MessageBoxSeen question = WaitForMessageBox(session.ProcessId());
            ASSERT_TRUE(question);
            EXPECT_EQ(question.text, kPhotoQuestion);
            EXPECT_TRUE(question.hasYesNo);
            AnswerMessageBox(question, test.answer);
        }
        auto page = PrintedPage();
        ASSERT_TRUE(page) << "no printed page came back";
        const Box image = BoxOf(*page, IsGrey);
        ASSERT_FALSE(image.Empty());
        const auto dots = [](float inches) { return static_cast<int>(inches * kDotsPerInch + 0.5f); };
        EXPECT_NEAR(image.left, dots(test.x), 3);
        EXPECT_NEAR(image.top, dots(test.y), 3);
        EXPECT_NEAR(image.right + 1 - image.left, dots(test.width), 4);
        EXPECT_NEAR(image.bottom + 1 - image.top, dots(test.height), 4);
    }
    CloseDialog(hourly);
    ASSERT_TRUE(WaitUntilGone(hourly));
}

TEST_F(PrintingTest, UnreadableImagePrintsAnEmptyPageAndTheWindowGoesOn)
{
    DailySession session(kJane, 2024, 3, 15);
    HWND hourly = session.OpenHourly(4);
    ASSERT_TRUE(hourly);
    PressF2(hourly);
    HWND print = WaitForPrintDialog(session.ProcessId());
    ASSERT_TRUE(print);
    // Spoil the image between its saving and its loading for the page.
    ASSERT_TRUE(WriteFileBytes(DataDirectory() + "hourly.jpg", "not a picture"));
    AcceptPrintDialog(print);
    ASSERT_TRUE(WaitUntilGone(print));
    EXPECT_FALSE(WaitForDialog(session.ProcessId(), kOptionsCaption, 500));
    auto page = PrintedPage();
    ASSERT_TRUE(page) << "no page came out";
    EXPECT_TRUE(BoxOf(*page, [](COLORREF pixel) { return !Near(pixel, RGB(255, 255, 255), 8); }).Empty());

    // The window still answers: the next press prints the real image again.
    PressF2(hourly);
    print = WaitForPrintDialog(session.ProcessId());
    ASSERT_TRUE(print);
    CancelPrintDialog(print);
    ASSERT_TRUE(WaitUntilGone(print));
    CloseDialog(hourly);
    ASSERT_TRUE(WaitUntilGone(hourly));
}
