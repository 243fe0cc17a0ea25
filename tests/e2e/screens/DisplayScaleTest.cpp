// The windows at the screen's DPI. CTest runs this at 96 dpi, which records
// what it sees, then at 144 dpi, which compares: the Daily Analysis and
// hourly windows and their drawings grown by the scale, the saved images the
// same bytes. Each run on its own: a step to another day repaints every bar,
// and the keys still act after the button pressed has disabled itself.
#include "driver/DailyDriver.h"
#include "driver/PrinterDriver.h"
#include "res/DailyAnalysisWindowIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <sstream>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 3, 2, 1950};
const std::string kHourlyImage = PagesDirectory() + "hourly.jpg";

// Where the run at 96 dpi leaves its findings, as a path of this process.
std::string Recorded(const std::string& name)
{
    const char* folder = std::getenv("ORACLINE_DPI_RECORD");
    std::string path = std::string("Z:") + (folder ? folder : "/tmp") + "/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// A window's size and the size of the box of one colour in it, as it is on
// the screen. Only sizes: a drawing stands centred in its window, and a
// dialog grows by its font, not exactly by the scale.
void Measure(HWND window, COLORREF bars, std::vector<long>& measures)
{
    const RECT box = BoxOf(CaptureClient(window), [&](COLORREF pixel) { return pixel == bars; });
    const SIZE size = WindowSize(window);
    measures.insert(measures.end(), {size.cx, size.cy, box.right + 1 - box.left, box.bottom + 1 - box.top});
}

// The bars' colours, Emotional to Fortune, and their centres in 96-dpi pixels.
const COLORREF kBarColours[5] = {RGB(0, 0, 255), RGB(255, 0, 0), RGB(255, 255, 255), RGB(0, 255, 0),
                                 RGB(255, 255, 0)};
const int kBarCentres[5] = {185, 290, 400, 506, 620};

// Each bar's height over its width on the screen, against the reading's
// 3 pixels a point over the bar's 40: right at any scale. Every bar runs up
// from the base of the Physical bar, the only red; texts above a bar may
// share its colour but not its run.
void ExpectBarsShow(HWND daily, const CliDailySet& day)
{
    const Picture shot = CaptureClient(daily);
    const RECT red = BoxOf(shot, [](COLORREF p) { return p == RGB(255, 0, 0); });
    const double width = red.right + 1 - red.left;
    const double scale = width / 40;
    for (int bar = 0; bar < 5; ++bar) {
        const int x = static_cast<int>(kBarCentres[bar] * scale);
        const int bottom = red.bottom;
        int top = bottom + 1;
        while (top > 0 && shot.Pixel(x, top - 1) == kBarColours[bar])
            --top;
        EXPECT_NEAR(bottom + 1 - top, 3 * day.readings[bar] * scale, 2.5)
            << "bar " << bar << " of " << day.title << ", " << width << " pixels wide";
    }
}

// A real click on a button, where the user's mouse would press it.
void RealClick(HWND dialog, int controlId)
{
    RECT frame{};
    GetWindowRect(Control(dialog, controlId), &frame);
    RealInput("mousemove " + std::to_string((frame.left + frame.right) / 2) + " " +
              std::to_string((frame.top + frame.bottom) / 2) + " click 1");
}

} // namespace

TEST(DisplayScale, AStepRepaintsEveryBarAndTheKeysStillActAfterTheButtonDisabledItself)
{
    DailySession session(kJane, 2005, 8, 31);
    HWND daily = session.Daily();
    ASSERT_TRUE(daily);
    // Prev Day and Now each disable themselves once pressed.
    const struct { int button, year, month, day; } steps[] = {{IDC_DAILY_PREV_DAY, 2005, 8, 30},
                                                              {IDC_DAILY_NOW, 2005, 8, 31}};
    for (const auto& step : steps) {
        RealClick(daily, step.button);
        const CliDailySet shown = CliDaily(session.ProfilePath(), IsoDate(step.year, step.month, step.day));
        ASSERT_TRUE(WaitForCaption(daily, shown.title));
        ExpectBarsShow(daily, shown);
        if (step.button != IDC_DAILY_PREV_DAY)
            continue;
        RealInput("key s");
        HWND page = WaitForDialog(session.ProcessId(), " Daily Superstition");
        ASSERT_TRUE(page) << "S did nothing after Prev Day";
        RealInput("key Escape");
        EXPECT_TRUE(WaitUntilGone(page));
    }
    RealInput("key Escape");
    EXPECT_TRUE(WaitUntilGone(daily)) << "Escape did nothing after Now";
}

TEST(DisplayScale, DrawingsGrowWithTheScreenAndImagesStayTheSame)
{
    ResetDataDirectory();
    ASSERT_EQ(InstallTestPrinter(), "");
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    DailySession session(kJane, 2005, 8, 31);
    HWND daily = session.Daily();
    ASSERT_TRUE(daily);
    std::vector<long> now;
    // The Physical bar, the only red of the report.
    Measure(daily, RGB(255, 0, 0), now);
    const std::string saved = ReportsDirectory() + "scale.jpg";
    PressButton(daily, IDC_DAILY_SAVE);
    ASSERT_TRUE(EnterFileName(WaitForDialog(session.ProcessId(), "Save Report"), saved));
    AnswerMessage(session.ProcessId());
    HWND hourly = session.OpenHourly(1);
    ASSERT_TRUE(hourly);
    Measure(hourly, RGB(0, 0, 255), now);
    PressKey(hourly, VK_F2);
    HWND print = WaitForDialog(session.ProcessId(), "Print");
    const std::string hourlyImage = ReadFileBytes(kHourlyImage);
    EXPECT_TRUE(CloseAndWait(print));
    EXPECT_TRUE(CloseAndWait(hourly));

    std::ostringstream text;
    for (long value : now)
        text << value << ' ';
    if (dpi == 96) {
        ASSERT_TRUE(WriteFileBytes(Recorded("measures.txt"), text.str()));
        ASSERT_TRUE(WriteFileBytes(Recorded("daily.jpg"), ReadFileBytes(saved)));
        ASSERT_TRUE(WriteFileBytes(Recorded("hourly.jpg"), hourlyImage));
        return;
    }
    std::istringstream recorded(ReadFileBytes(Recorded("measures.txt")));
    const std::vector<long> then{std::istream_iterator<long>(recorded), {}};
    ASSERT_EQ(then.size(), now.size()) << "no record of the run at 96 dpi";
    const double scale = dpi / 96.0;
    // The dialogs grow with their font, whose metrics follow the scale
    // closely but not exactly; the drawings follow it to the pixel.
    for (size_t i = 0; i < now.size(); ++i)
        EXPECT_NEAR(now[i], then[i] * scale, i % 4 < 2 ? then[i] * scale * 0.08 : 2.0)
            << "measure " << i << " at " << dpi << " dpi: " << text.str();
    EXPECT_TRUE(ReadFileBytes(saved) == ReadFileBytes(Recorded("daily.jpg"))) << "saved report differs";
    EXPECT_TRUE(hourlyImage == ReadFileBytes(Recorded("hourly.jpg"))) << "hourly image differs";
}
