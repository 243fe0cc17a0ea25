#include "daily/DailyMessages.h"
#include "daily/DayNavigation.h"
#include "daily/ReportFit.h"
#include "printing/PrintLayout.h"
#include "printing/PrintOptionsModel.h"
#include "daily/ReportDrawing.h"

#include "TestSupport.h"

#include <cmath>
#include <sstream>
#include <string>

namespace {

// The date shown, then the buttons P(rev), N(ext), W (now) and H(ourly) or -.
std::string Shown(const DayNavigation& nav)
{
    const CivilDate& d = nav.ShownDate();
    const DailyButtons& b = nav.Buttons();
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day) + " " +
           (b.prevDay ? "P" : "-") + (b.nextDay ? "N" : "-") + (b.now ? "W" : "-") + (b.hourly ? "H" : "-");
}

// O(pens) a window for the day, then presses P(rev), N(ext), W (now) or S(hows
// a day chosen in the Monthly Outlook); each row gives the refusal's first
// word and what is shown after it.
TEST(DayNavigation, StepsAlwaysStartFromTheOpeningDate)
{
    const struct { char button; CivilDate day; const char *refusal, *shown; } steps[] = {
        {'O', {2005, 12, 31}, "", "2005-12-31 PN-H"}, {'P', {}, "", "2005-12-30 -NW-"},
        {'N', {}, "", "2006-1-1 P-W-"},  // two days after the day shown before
        {'W', {}, "", "2005-12-31 PN-H"}, {'N', {}, "", "2006-1-1 P-W-"},
        {'N', {}, "", "2006-1-1 P-W-"},  // never further than one day
        // The neighbours and the opening date behave as their buttons; a day
        // further on leaves only Now.
        {'S', {2006, 1, 9}, "", "2006-1-9 --W-"},      {'S', {2006, 1, 1}, "", "2006-1-1 P-W-"},
        {'S', {2005, 12, 30}, "", "2005-12-30 -NW-"},  {'S', {2005, 12, 31}, "", "2005-12-31 PN-H"},
        {'O', {1970, 6, 15}, "", "1970-6-15 ----"},    {'P', {}, "Prev", "1970-6-15 ----"},
        {'N', {}, "Next", "1970-6-15 ----"},           {'S', {1970, 6, 20}, "Next", "1970-6-15 ----"},
        {'W', {}, "", "1970-6-15 ----"},               {'O', {1971, 1, 1}, "", "1971-1-1 PN-H"}, {'P', {}, "", "1970-12-31 -NW-"},
    };
    const std::string before1971 = " Day button does not calculate dates before 1971.     ";
    DayNavigation nav({});
    for (const auto& s : steps) {
        const CivilDate base = nav.BaseDate();
        const char* refusal = nullptr;
        if (s.button == 'O')
            nav = DayNavigation(s.day);
        else if (s.button == 'W')
            nav.Now();
        else
            refusal = s.button == 'P' ? nav.PrevDay() : s.button == 'N' ? nav.NextDay() : nav.ShowDay(s.day);
        SCOPED_TRACE(std::string(1, s.button) + " " + s.shown);
        EXPECT_EQ(refusal ? refusal : "", *s.refusal ? "The " + std::string(s.refusal) + before1971 : "");
        EXPECT_EQ(Shown(nav) + (nav.BaseDate() == (s.button == 'O' ? s.day : base) ? "" : " off its base date"), s.shown);
    }
}

// The top offset centres only windows taller than 576. Screen pixels from
// the top offset; paper black, regular and in inches from the physical
// offsets; the image is the screen layout of a window whose top offset is
// 39, under a grey ground, a frame and the title.
TEST(ReportDrawing, TopOffsetThenScreenPaperAndImageLayouts)
{
    const std::pair<int, float> cases[] = {{0, 12}, {-5, 12}, {576, 12}, {577, 0.5f}, {590, 7}, {599, 11.5f}, {600, 12}, {700, 62}};
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(TopOffset(c.first), c.second) << "window height " << c.first;
    ReportInput report;
    report.title = "Daily Analysis - September 9, 2005  - Jane Doe -  Automatic Calibration";
    // The lowest and highest values the set can hold, and three between.
    DailyReadingSet& set = report.set;
    set.Emotional = 3, set.Physical = 99, set.Intellectual = 50, set.Intuition = 10, set.Fortune = 77;
    set.ZodiacLine = "Zodiac Sign: Cancer", set.SoulNumberLine = "Soul Number: 2";
    set.DayReadingLine = "Day Reading: Good Day", set.EvilEyeLine = "Evil Eye Reading: Not susceptible to the Evil Eye";
    set.LotteryLine = "Lottery Numbers: 2  10  24  32  53  21 ";
    RecordingCanvas screen, paper, image, mailed;
    DrawDailyReport(screen, report, ScreenReport{590});
    DrawDailyReport(paper, report, PaperReport{0.25f, 0.2f});
    report.fontFamily = "Arial";
    DrawDailyReport(image, report, ImageReport{});
    DrawDailyReport(mailed, report, ImageReport{true});  // Intuition 8 pixels right
    ExpectGolden("report.txt", "screen\n" + screen.Listing() + "paper\n" + paper.Listing() + "image\n" + image.Listing() + "mailed\n" + mailed.Listing());
}

// A letter page at 300 dpi with a quarter inch of unprintable margin.
const PageMeasures kLetter = MeasurePage(300, 300, 75, 75, 2400, 3150);

// Which raster capabilities print pictures; then the picture's place.
TEST(PrintLayout, RasterCapabilitiesThenLongerSideFitsShorterPageSideThenResizedPhotoOrTiled)
{
    EXPECT_FALSE(PrintsGraphics(0x0002 | 0x0010 | 0x0040 | 0x0400 | 0x1000 | 0x4000));  // banding and the like
    for (int bit : {0x0001, 0x0004, 0x0008, 0x0080, 0x0100, 0x0200, 0x0800, 0x2000})
        EXPECT_TRUE(PrintsGraphics(bit)) << std::hex << bit;
    const auto expectRect = [](const PrintRect& r, float x, float y, float w, float h) {
        for (const auto& [got, want] : {std::pair{r.x, x}, {r.y, y}, {r.width, w}, {r.height, h}})
            EXPECT_NEAR(got, want, 1e-4);
    };
    const struct { int iw, ih; float pageW, pageH, width, height; } fits[] = {
        {800, 480, 8.0f, 10.5f, 8.0f, 4.8f},  // the hourly chart on a portrait page
        {800, 480, 10.5f, 8.0f, 8.0f, 4.8f},  // landscape: the height is the shorter side
        {480, 800, 8.0f, 10.5f, 4.8f, 8.0f},  // a tall image keeps its ratio the other way round
        {780, 550, 8.0f, 8.0f, 8.0f, 5.6410f},
    };
    for (const auto& c : fits)
        expectRect({0, 0, FitToPage(c.iw, c.ih, c.pageW, c.pageH).width, FitToPage(c.iw, c.ih, c.pageW, c.pageH).height}, 0, 0, c.width, c.height);

    // The page measures come from the device: 8.0 x 10.5 inches at 0.25, 0.25.
    const PrintSize chart = FitToPage(800, 480, kLetter.pageWidth, kLetter.pageHeight);
    // Fitted and resized images start at the printable area's corner, which
    // is the drawing's origin: the physical offsets are not added again.
    const struct { PrintChoice choice; float x, y, w, h; } cases[] = {
        {{false, true, 100, false}, 0, 0, 8.0f, 4.8f}, {{false, true, 50, false}, 0, 0, 4.0f, 2.4f}, {{false, true, 1, false}, 0, 0, 0.08f, 0.048f},
        // 4 x 6 keeping the ratio comes down from 4.0 to exactly 3.60 x 6.00,
        // 0.17 inch from the paper's corner, whatever the size chosen.
        {{true, true, 50, false}, 0.17f, 0.17f, 6.0f, 3.6f},
        {{true, false, 50, true}, 0, 0, 6.0f, 4.0f},  // exactly 6 x 4, ratio lost
    };
    // The photo's ratio is the fitted size's; a size without height has none.
    expectRect(ImageRectangles({true, true, 50, false}, {1.5f, 1.0f}, kLetter)[0], 0.17f, 0.17f, 6.0f, 4.0f);
    expectRect(ImageRectangles({true, true, 50, false}, {5.0f, 0.0f}, kLetter)[0], 0.17f, 0.17f, 0.0f, 4.0f);
    for (const auto& c : cases) {
        const std::vector<PrintRect> rects = ImageRectangles(c.choice, chart, kLetter);
        ASSERT_EQ(rects.size(), 1u);
        SCOPED_TRACE(c.choice.resizePercent);
        expectRect(rects[0], c.x, c.y, c.w, c.h);
    }

    // Aspect 1.5 is already 6 wide: no step; the hourly chart takes 40 steps, not 41.
    const std::pair<float, float> photos[] = {{1.5f, 4.0f}, {1.502f, 3.99f}, {8.0f / 4.8f, 3.6f}, {2.0f, 3.0f}, {1.6f, 3.75f}, {1000.0f, 0.0f}};
    for (const auto& c : photos)
        EXPECT_TRUE(std::abs(PhotoKeepingRatio(c.first).height - c.second) < 1e-5 && PhotoKeepingRatio(c.first).width <= 6.0f) << c.first;

    const std::vector<PrintRect> copies = ImageRectangles({false, true, 25, true}, chart, kLetter);
    // 2.0 x 1.2 inch copies from the origin within the printable 8.0 x 10.5:
    // three columns and eight rows.
    ASSERT_EQ(copies.size(), 24u);
    for (size_t i = 0; i < copies.size(); ++i)
        expectRect(copies[i], 2.03f * (i % 3), 1.23f * (i / 3), 2.0f, 1.2f);

    const struct { float w, h; size_t count; } sizes[] = {
        {8.1f, 1.0f, 1},  // wider than the page: the first copy only, though more rows would fit
        {1.0f, 6.0f, 7},  // too tall for a second row: one row only
        {2.0f, 0.5f, 3 * 19},  // thinner than an inch still tiles
        {0.0f, 1.0f, 1},  {1.0f, 0.0f, 1},  {-0.03f, -0.03f, 1},  // a degenerate size cannot run away
        {1.0f, INFINITY, 1},  {INFINITY, 1.0f, 1},
    };
    for (const auto& c : sizes) {
        const std::vector<PrintRect> tiles = TiledCopies(kLetter, c.w, c.h);
        ASSERT_EQ(tiles.size(), c.count) << c.w << " x " << c.h;
        EXPECT_EQ(std::vector<float>({tiles[0].x, tiles[0].y, tiles[0].width, tiles[0].height}), std::vector<float>({0, 0, c.w, c.h}));
    }
    // A copy that meets the printable area's edge exactly still fits.
    PageMeasures edge;
    edge.pageWidth = edge.pageHeight = (1.0f + 0.03f) + 1.0f;
    EXPECT_EQ(TiledCopies(edge, 1.0f, 1.0f).size(), 4u);
    // A device without a resolution measures nothing rather than infinity;
    // at one dot an inch, dots are inches.
    const PageMeasures noDpi = MeasurePage(0, 0, 75, 75, 2400, 3150), oneDpi = MeasurePage(1, 1, 7, 5, 80, 100);
    EXPECT_EQ(std::vector<float>({noDpi.ox, noDpi.oy, noDpi.pageWidth, noDpi.pageHeight}), std::vector<float>(4, 0.0f));
    EXPECT_EQ(std::vector<float>({oneDpi.ox, oneDpi.oy, oneDpi.pageWidth, oneDpi.pageHeight}), std::vector<float>({7, 5, 80, 100}));
    for (int percent = 1; percent <= 100; ++percent)
        ASSERT_FLOAT_EQ(ResizeFactor(percent), percent / 100.0f) << percent;
    EXPECT_EQ(ResizeFactor(100), 1.0f);
}

// The hourly chart fitted to 8 inches: 8.0 x 4.8, clicked through.
TEST(PrintOptionsModel, ResizeTileAndPhotoSteps)
{
    PrintOptionsModel model("C:\\Program Files\\Oracline\\hourly.jpg", 300, 600, PrintSize{8.0f, 4.8f});
    const auto state = [&m = model] {
        std::ostringstream out;
        out << m.height << "x" << m.width << " " << m.resizePercent << "% @" << m.resizeSelection
            << (m.resizeEnabled ? "" : " locked") << " tile" << m.tileEntries.size() << "@" << m.tileSelection
            << (m.tileEnabled ? " on" : " off") << (m.tileCopies ? " copies" : "") << (m.photo4x6 ? " 4x6" : "");
        return out.str();
    };
    EXPECT_EQ(model.Caption() + " " + model.ResolutionText() + "|" + PrintOptionsModel("report.jpg", 1, 1, {}).Caption(), "Print: hourly.jpg 300 X 600|Print: report.jpg");
    const std::vector<std::string> entries = ResizeEntries();
    EXPECT_EQ(entries.size() == 100u ? entries.front() + entries[50] + entries.back() : "", "100%50%1%");

    const struct { char control; int index; const char* state; } steps[] = {
        {' ', 0, "4.8x8 100% @0 tile0@-1 off"},  // nothing to tile at full size
        {'P', 0, "4x6 100% @0 locked tile0@-1 off 4x6"},  // still nothing to tile
        {'P', 0, "4x6 100% @0 tile0@-1 off"},
        {'R', 50, "2.4x4 50% @50 tile2@0 on"}, {'T', 1, "2.4x4 50% @50 tile2@1 on copies"},  // the 51st entry, then tiled
        {'R', -1, "2.4x4 50% @50 tile2@1 on copies"},  // no selection, or none of the list: nothing changes
        {'R', 100, "2.4x4 50% @50 tile2@1 on copies"},  {'T', -1, "2.4x4 50% @50 tile2@1 on copies"},
        {'R', 66, "1.63x2.72 34% @66 tile2@0 on"},     // 1.632 x 2.72, as the edits show them
        {'R', 0, "4.8x8 100% @0 tile0@-1 off"}, {'R', 25, "3.6x6 75% @25 tile2@0 on"}, {'T', 1, "3.6x6 75% @25 tile2@1 on copies"},
        {'P', 0, "4x6 75% @25 locked tile2@0 off 4x6"},  // the size is kept, and still what the list shows
        {'P', 0, "4x6 75% @25 tile2@0 off"},             // no tiling until the next Resize choice
        {'R', 25, "3.6x6 75% @25 tile2@0 on"}, {'T', 1, "3.6x6 75% @25 tile2@1 on copies"},
        {'T', 0, "3.6x6 75% @25 tile2@0 on"}, {'T', 2, "3.6x6 75% @25 tile2@0 on"},
    };
    for (const auto& step : steps) {
        if (step.control == 'R')
            model.ResizeSelected(step.index);
        else if (step.control == 'T')
            model.TileSelected(step.index);
        else if (step.control == 'P') {
            model.PhotoClicked();
            EXPECT_EQ(model.Choice(false).photo4x6, model.photo4x6);
        }
        EXPECT_EQ(state(), step.state) << step.control << step.index;
    }
    EXPECT_EQ(std::make_pair(model.Choice(false).keepRatio, model.Choice(true).resizePercent), std::make_pair(false, 75));
}

TEST(PrintOptionsModel, SizeTextsAndRounding)
{
    const struct { const char* text; SizeCheck check; float value; } cases[] = {
        {" 6.5 ", SizeCheck::Valid, 6.5f},     {"-1", SizeCheck::Valid, -1.0f},
        {"10000", SizeCheck::Valid, 10000.0f}, {"-1.01", SizeCheck::OutOfRange, 0},
        {"10000.5", SizeCheck::OutOfRange, 0}, {"", SizeCheck::NotANumber, 0},
        {"4 x 6", SizeCheck::NotANumber, 0},   {"nan", SizeCheck::NotANumber, 0},
    };
    for (const auto& c : cases) {
        float value = 0;
        EXPECT_EQ(ReadSizeText(c.text, value), c.check) << '"' << c.text << '"';
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }

    // The largest value does not overflow the text.
    EXPECT_EQ(std::vector<float>({RoundToHundredths(1.0f / 3), RoundToHundredths(2.999f), RoundToHundredths(1e30f)}),
              std::vector<float>({0.33f, 3.0f, 1e30f}));
}

}  // namespace

TEST(ReportFit, SavedReportsAreFittedAndPlaced)
{
    const int cases[][6] = {
        // image width and height; shown width, height, x and y
        {600, 400, 600, 400, 97, 85}, {1600, 900, 800, 450, 0, 60}, {400, 1200, 200, 600, 297, 0}, {1, 1, 1, 1, 396, 284},
        // Too wide for even one pixel of height to keep the ratio.
        {10000, 10, 800, 1, 0, 284}, {1, 60000, 1, 600, 396, 0}, {2147483647, 1, 800, 1, 0, 284},
        {796, 556, 796, 556, 2, 22}, {794, 554, 794, 554, 0, 8}, {55, 600, 55, 600, 369, 0}, {800, 97, 800, 97, 0, 236},  // at the bounds: nudged, and not fitted
    };
    for (const auto& c : cases) {
        const ShownImage got = FitSavedReport(c[0], c[1]);
        EXPECT_EQ(std::vector<int>({got.width, got.height, got.x, got.y}), std::vector<int>(c + 2, c + 6)) << c[0] << " x " << c[1];
    }
}

// What a screen reader hears is what the report shows, in its order: the
// five lines top down, then each bar with the value it is drawn to.
TEST(SpokenDailyReport, LinesTopDownThenEachBarWithItsValue)
{
    ReportInput report;
    report.title = "Daily Analysis - caption";
    DailyReadingSet& set = report.set;
    set.ZodiacLine = "z", set.SoulNumberLine = "s", set.DayReadingLine = "d", set.EvilEyeLine = "e", set.LotteryLine = "l";
    set.Emotional = 1, set.Physical = 2, set.Intellectual = 3, set.Intuition = 4, set.Fortune = 99;
    const SpokenDrawing spoken = SpokenDailyReport(report);
    EXPECT_EQ(spoken.name + ":" + Heard(spoken),
              "Daily Analysis - caption:z=;s=;d=;e=;l=;Emotional=1%;Physical=2%;Intellectual=3%;Intuition=4%;Fortune=99%;");
}
