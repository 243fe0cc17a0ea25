#include "daily/PrintOptionsModel.h"

#include <gtest/gtest.h>

namespace {

// The hourly chart fitted to 8 inches: 8.0 x 4.8.
PrintOptionsModel HourlyOptions()
{
    return PrintOptionsModel("C:\\Program Files\\Oracline\\hourly.jpg", 300, 600, PrintSize{8.0f, 4.8f});
}

TEST(PrintOptionsModel, InitialState)
{
    const PrintOptionsModel model = HourlyOptions();
    EXPECT_EQ(model.Caption(), "Print: hourly.jpg");
    EXPECT_EQ(PrintOptionsModel("report.jpg", 1, 1, {}).Caption(), "Print: report.jpg");
    EXPECT_EQ(model.ResolutionText(), "300 X 600");
    EXPECT_EQ(model.height, 4.8f);
    EXPECT_EQ(model.width, 8.0f);
    EXPECT_EQ(model.resizePercent, 100);
    EXPECT_EQ(model.resizeSelection, 0);
    EXPECT_TRUE(model.resizeEnabled);
    // Nothing to tile at full size.
    EXPECT_TRUE(model.tileEntries.empty());
    EXPECT_EQ(model.tileSelection, -1);
    EXPECT_FALSE(model.tileEnabled);
    EXPECT_FALSE(model.tileCopies);
    EXPECT_FALSE(model.photo4x6);

    const std::vector<std::string> entries = ResizeEntries();
    ASSERT_EQ(entries.size(), 100u);
    EXPECT_EQ(entries.front(), "100%");
    EXPECT_EQ(entries[50], "50%");
    EXPECT_EQ(entries.back(), "1%");
}

TEST(PrintOptionsModel, ResizeRebuildsTheTileList)
{
    PrintOptionsModel model = HourlyOptions();
    model.ResizeSelected(50);  // the 51st entry
    EXPECT_EQ(model.resizePercent, 50);
    EXPECT_EQ(model.height, 2.4f);
    EXPECT_EQ(model.width, 4.0f);
    EXPECT_EQ(model.tileEntries, (std::vector<std::string>{"no", "yes"}));
    EXPECT_EQ(model.tileSelection, 0);
    EXPECT_TRUE(model.tileEnabled);

    model.TileSelected(1);
    EXPECT_TRUE(model.tileCopies);
    model.ResizeSelected(-1);  // no selection: nothing changes
    EXPECT_TRUE(model.tileCopies);
    model.ResizeSelected(66);  // 34 %: 1.632 and 2.72, shown to two decimals
    EXPECT_FALSE(model.tileCopies);
    EXPECT_EQ(model.height, RoundToHundredths(1.63f));
    EXPECT_EQ(model.width, RoundToHundredths(2.72f));

    model.ResizeSelected(0);
    EXPECT_EQ(model.resizePercent, 100);
    EXPECT_TRUE(model.tileEntries.empty());
    EXPECT_FALSE(model.tileEnabled);
    EXPECT_EQ(model.Choice(true).resizePercent, 100);
}

TEST(PrintOptionsModel, PhotoSwitchOnAndOff)
{
    PrintOptionsModel model = HourlyOptions();
    model.ResizeSelected(25);  // 75 %
    model.TileSelected(1);

    model.PhotoClicked();
    EXPECT_TRUE(model.photo4x6);
    EXPECT_EQ(model.height, 4.0f);
    EXPECT_EQ(model.width, 6.0f);
    EXPECT_EQ(model.resizePercent, 75);  // kept, and still what the list shows
    EXPECT_EQ(model.resizeSelection, 25);
    EXPECT_EQ(model.tileSelection, 0);
    EXPECT_FALSE(model.tileCopies);
    EXPECT_FALSE(model.resizeEnabled);
    EXPECT_FALSE(model.tileEnabled);
    const PrintChoice photo = model.Choice(false);
    EXPECT_TRUE(photo.photo4x6);
    EXPECT_FALSE(photo.keepRatio);

    model.PhotoClicked();
    EXPECT_FALSE(model.photo4x6);
    EXPECT_TRUE(model.resizeEnabled);
    EXPECT_FALSE(model.tileEnabled);  // until the next Resize choice
    EXPECT_EQ(model.height, 4.0f);
    EXPECT_EQ(model.width, 6.0f);
    EXPECT_EQ(model.resizeSelection, 25);
    model.ResizeSelected(25);
    EXPECT_TRUE(model.tileEnabled);
    EXPECT_EQ(model.height, 3.6f);
}

TEST(PrintOptionsModel, SizeTextsAndRounding)
{
    struct Case {
        const char* text;
        SizeCheck check;
        float value;
    } cases[] = {
        {" 6.5 ", SizeCheck::Valid, 6.5f},     {"-1", SizeCheck::Valid, -1.0f},
        {"10000", SizeCheck::Valid, 10000.0f}, {"-1.01", SizeCheck::OutOfRange, 0},
        {"10000.5", SizeCheck::OutOfRange, 0}, {"", SizeCheck::NotANumber, 0},
        {"4 x 6", SizeCheck::NotANumber, 0},   {"nan", SizeCheck::NotANumber, 0},
    };
    for (const Case& c : cases) {
        float value = 0;
        EXPECT_EQ(ReadSizeText(c.text, value), c.check) << '"' << c.text << '"';
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }

    EXPECT_EQ(RoundToHundredths(1.0f / 3), 0.33f);
    EXPECT_EQ(RoundToHundredths(2.999f), 3.0f);
    EXPECT_EQ(RoundToHundredths(1e30f), 1e30f);  // no overflow of the text
}

}  // namespace
