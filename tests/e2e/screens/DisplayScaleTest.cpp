// The windows at the screen's DPI. CTest runs this at 96 dpi, which records
// what it sees, then at 144 and 192 dpi, which compare: the main, Daily
// Analysis and hourly windows, their drawings and pictures grown by the scale, no control
// over the drawing, the saved images the same bytes. Each run on its own: a
// step to another day repaints every bar, and the keys still act after the
// button pressed has disabled itself.
#include "driver/Driver.h"
#include "res/ArtworkIds.h"
#include "res/DailyAnalysisWindowIds.h"
#include "res/MainWindowIds.h"

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

// A window's client size and the size of the box of what `wanted` picks in
// `part` (the window or one of its controls), as it is on the screen. Only
// sizes: a drawing stands centred in its window.
void Measure(HWND window, HWND part, const std::function<bool(COLORREF)>& wanted, std::vector<long>& measures)
{
    const RECT client = ClientOf(window), box = BoxOf(CaptureClient(part), wanted);
    measures.insert(measures.end(), {client.right, client.bottom, box.right + 1 - box.left, box.bottom + 1 - box.top});
}

// The bars' colours, Emotional to Fortune, and their centres in 96-dpi pixels.
const COLORREF kBarColours[5] = {RGB(0, 0, 255), RGB(255, 0, 0), RGB(255, 255, 255), RGB(0, 255, 0), RGB(255, 255, 0)};
const int kBarCentres[5] = {185, 290, 400, 506, 620};

// Each bar's height on the screen against the reading's 3 pixels a point,
// at the scale down that the scale's axis shows (the 298 pixels from the
// bars' base to its top): right at any scale. Every bar runs up from the base
// of the Physical bar, the only red; texts above a bar may share its colour
// but not its run.
void ExpectBarsShow(HWND daily, const DailyReadingSet& day)
{
    const Picture shot = CaptureClient(daily);
    const RECT red = BoxOf(shot, [](COLORREF p) { return p == RGB(255, 0, 0); });
    const double across = (red.right + 1 - red.left) / 40.0;
    auto runUp = [&](int x, COLORREF colour) {
        int top = red.bottom + 1;
        while (top > 0 && shot.Pixel(x, top - 1) == colour)
            --top;
        return red.bottom + 1 - top;
    };
    const double down = runUp(static_cast<int>(130 * across), RGB(0, 0, 0)) / 298.0;
    const int readings[5] = {day.Emotional, day.Physical, day.Intellectual, day.Intuition, day.Fortune};
    for (int bar = 0; bar < 5; ++bar)
        EXPECT_NEAR(runUp(static_cast<int>(kBarCentres[bar] * across), kBarColours[bar]), 3 * readings[bar] * down, 2.5)
            << "bar " << bar << " of " << day.Title << ", scale " << across << " by " << down;
}

} // namespace

TEST(DisplayScale, DrawingsGrowImagesStayTheSameAndAStepRepaintsEveryBar)
{
    ASSERT_EQ(InstallTestPrinter(), "");
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    DailySession session(kJane, {2005, 8, 31});
    HWND daily = session.Daily(), hourly = nullptr;
    ASSERT_TRUE(daily);
    std::vector<long> now;
    HWND main = session.Main().Window();
    Measure(main, Control(main, IDB_LOGO), [](COLORREF) { return true; }, now);
    // The Physical bar, the only red of the report, and the first picture.
    Measure(daily, daily, [](COLORREF p) { return p == RGB(255, 0, 0); }, now);
    Measure(daily, Control(daily, IDB_STRIP_162), [](COLORREF p) { return p != RGB(128, 128, 128); }, now);
    EXPECT_EQ(ControlsOverDrawing(daily), std::vector<int>{});
    const std::string saved = ReportsDirectory() + "scale.jpg";
    PressButton(daily, IDC_DAILY_SAVE);
    ASSERT_TRUE(EnterFileName(WaitForDialog(session.ProcessId(), "Save Report"), saved));
    AnswerMessage(session.ProcessId());
    ASSERT_TRUE(hourly = session.OpenHourly(1));
    Measure(hourly, hourly, [](COLORREF p) { return p == RGB(0, 0, 255); }, now);
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
    } else {
        std::istringstream recorded(ReadFileBytes(Recorded("measures.txt")));
        const std::vector<long> then{std::istream_iterator<long>(recorded), {}};
        ASSERT_EQ(then.size(), now.size()) << "no record of the run at 96 dpi";
        const double scale = dpi / 96.0;
        // The dialogs grow with their font, whose metrics follow the scale
        // closely but not exactly (a bitmap face that stops growing would
        // leave them short); drawings and pictures grow with their window to
        // the pixel, across and down.
        for (size_t i = 0; i < now.size(); ++i) {
            const size_t window = i - i % 4 + i % 2;
            const double expected = i % 4 < 2 ? then[i] * scale : then[i] * double(now[window]) / then[window];
            EXPECT_NEAR(now[i], expected, i % 4 < 2 ? expected * 0.05 : 2.0) << "measure " << i << " at " << dpi << " dpi: " << text.str();
        }
        EXPECT_TRUE(ReadFileBytes(saved) == ReadFileBytes(Recorded("daily.jpg"))) << "saved report differs";
        EXPECT_TRUE(hourlyImage == ReadFileBytes(Recorded("hourly.jpg"))) << "hourly image differs";
    }

    // Prev Day and Now each disable themselves once pressed.
    const struct { int button; CivilDate day; } steps[] = {{IDC_DAILY_PREV_DAY, {2005, 8, 30}}, {IDC_DAILY_NOW, {2005, 8, 31}}};
    for (const auto& step : steps) {
        RealClick(Control(daily, step.button));
        const DailyReadingSet shown = DailySetOf(session.ProfilePath(), step.day);
        ASSERT_TRUE(WaitForCaption(daily, shown.Title));
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
