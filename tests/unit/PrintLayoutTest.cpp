#include "daily/PrintLayout.h"

#include <gtest/gtest.h>

namespace {

// A letter page at 300 dpi with a quarter inch of unprintable margin.
const PageMeasures kLetter = MeasurePage(300, 300, 75, 75, 2400, 3150);

void ExpectRect(const PrintRect& r, float x, float y, float w, float h)
{
    EXPECT_NEAR(r.x, x, 1e-4);
    EXPECT_NEAR(r.y, y, 1e-4);
    EXPECT_NEAR(r.width, w, 1e-4);
    EXPECT_NEAR(r.height, h, 1e-4);
}

TEST(PrintLayout, PageMeasuresInInches)
{
    EXPECT_FLOAT_EQ(kLetter.ox, 0.25f);
    EXPECT_FLOAT_EQ(kLetter.oy, 0.25f);
    EXPECT_FLOAT_EQ(kLetter.pageWidth, 8.0f);
    EXPECT_FLOAT_EQ(kLetter.pageHeight, 10.5f);
}

TEST(PrintLayout, RasterCapabilities)
{
    EXPECT_FALSE(PrintsGraphics(0));
    EXPECT_FALSE(PrintsGraphics(0x0002 | 0x0010 | 0x0040 | 0x0400 | 0x1000 | 0x4000));  // banding and the like
    for (int bit : {0x0001, 0x0004, 0x0008, 0x0080, 0x0100, 0x0200, 0x0800, 0x2000})
        EXPECT_TRUE(PrintsGraphics(bit)) << std::hex << bit;
}

TEST(PrintLayout, LongerImageSideFitsTheShorterPageSide)
{
    struct Case {
        int iw, ih;
        float pageW, pageH, width, height;
    } cases[] = {
        {800, 480, 8.0f, 10.5f, 8.0f, 4.8f},   // the hourly chart on a portrait page
        {800, 480, 10.5f, 8.0f, 8.0f, 4.8f},   // landscape: the height is the shorter side
        {480, 800, 8.0f, 10.5f, 4.8f, 8.0f},   // a tall image keeps its ratio the other way round
        {780, 550, 8.0f, 8.0f, 8.0f, 5.6410f},
        {100, 100, 8.0f, 10.5f, 8.0f, 8.0f},
    };
    for (const Case& c : cases) {
        const PrintSize size = FitToPage(c.iw, c.ih, c.pageW, c.pageH);
        EXPECT_NEAR(size.width, c.width, 1e-4) << c.iw << "x" << c.ih;
        EXPECT_NEAR(size.height, c.height, 1e-4) << c.iw << "x" << c.ih;
    }
}

TEST(PrintLayout, ResizedAndPhotoRectangles)
{
    const PrintSize chart = FitToPage(800, 480, kLetter.pageWidth, kLetter.pageHeight);
    struct Case {
        PrintChoice choice;
        float x, y, w, h;
    } cases[] = {
        {{false, true, 100, false}, 0.25f, 0.25f, 8.0f, 4.8f},
        {{false, true, 50, false}, 0.25f, 0.25f, 4.0f, 2.4f},
        {{false, true, 1, false}, 0.25f, 0.25f, 0.08f, 0.048f},
        // 4 x 6 keeping the ratio comes down from 4.0 to exactly 3.60 x 6.00,
        // 0.17 inch from the paper's corner, whatever the size chosen.
        {{true, true, 50, false}, 0.17f, 0.17f, 6.0f, 3.6f},
        {{true, false, 50, true}, 0, 0, 6.0f, 4.0f},  // exactly 6 x 4, ratio lost
    };
    for (const Case& c : cases) {
        const std::vector<PrintRect> rects = ImageRectangles(c.choice, chart, kLetter);
        ASSERT_EQ(rects.size(), 1u);
        SCOPED_TRACE(c.choice.resizePercent);
        ExpectRect(rects[0], c.x, c.y, c.w, c.h);
    }
}

TEST(PrintLayout, PhotoHeightStepsInHundredths)
{
    const std::pair<float, float> cases[] = {
        {1.5f, 4.0f},        // already 6 wide: no step
        {8.0f / 4.8f, 3.6f}, // the hourly chart: 40 steps, not 41
        {780.0f / 550, 4.0f},
        {2.0f, 3.0f},
        {1.6f, 3.75f},
    };
    for (const auto& c : cases) {
        const PrintRect r = PhotoKeepingRatio(c.first);
        EXPECT_NEAR(r.height, c.second, 1e-5) << "aspect " << c.first;
        EXPECT_LE(r.width, 6.0f);
        if (r.height < 4.0f) {
            EXPECT_GT(c.first * (r.height + 0.01f), 6.0f) << "stopped a step early";
        }
    }
}

TEST(PrintLayout, TilingFillsThePageInRowsAndColumns)
{
    const PrintSize chart = FitToPage(800, 480, kLetter.pageWidth, kLetter.pageHeight);
    const std::vector<PrintRect> copies = ImageRectangles({false, true, 25, true}, chart, kLetter);
    // 2.0 x 1.2 inch copies within (pageW - ox) x (pageH - oy) = 7.75 x 10.25:
    // three columns and eight rows.
    ASSERT_EQ(copies.size(), 24u);
    for (size_t i = 0; i < copies.size(); ++i) {
        const int row = static_cast<int>(i) / 3;
        const int column = static_cast<int>(i) % 3;
        ExpectRect(copies[i], 0.25f + 2.03f * column, 0.25f + 1.23f * row, 2.0f, 1.2f);
    }

    // Wider than the page: the first copy is printed and nothing else, even
    // where more rows would fit below it.
    const std::vector<PrintRect> wide = TiledCopies(kLetter, 7.9f, 1.0f);
    ASSERT_EQ(wide.size(), 1u);
    ExpectRect(wide[0], 0.25f, 0.25f, 7.9f, 1.0f);

    // Too tall for a second row: one row only.
    EXPECT_EQ(TiledCopies(kLetter, 1.0f, 6.0f).size(), 7u);
    // A degenerate size cannot run away.
    EXPECT_EQ(TiledCopies(kLetter, 0.0f, 1.0f).size(), 1u);
    EXPECT_EQ(TiledCopies(kLetter, -0.03f, -0.03f).size(), 1u);
}

}  // namespace
