#include "printing/PrintOptionsModel.h"

#include "base/PathText.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

std::vector<std::string> ResizeEntries()
{
    std::vector<std::string> entries;
    entries.reserve(kResizeEntryCount);
    for (int percent = kResizeEntryCount; percent >= 1; --percent)
        entries.push_back(std::to_string(percent) + "%");
    return entries;
}

float RoundToHundredths(float value)
{
    // Room for the largest float in fixed notation.
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    return std::strtof(text, nullptr);
}

SizeCheck ReadSizeText(const std::string& text, float& value)
{
    const char* start = text.c_str();
    char* end = nullptr;
    const double number = std::strtod(start, &end);
    if (end == start)
        return SizeCheck::NotANumber;
    while (*end != '\0' && std::isspace(static_cast<unsigned char>(*end)))
        ++end;
    if (*end != '\0' || std::isnan(number))
        return SizeCheck::NotANumber;
    if (number < kMinimumPrintSize || number > kMaximumPrintSize)
        return SizeCheck::OutOfRange;
    value = static_cast<float>(number);
    return SizeCheck::Valid;
}

PrintOptionsModel::PrintOptionsModel(const std::string& imagePath, int dpiX, int dpiY, const PrintSize& fullSize)
    : height(RoundToHundredths(fullSize.height)),
      width(RoundToHundredths(fullSize.width)),
      fullHeight(fullSize.height),
      fullWidth(fullSize.width),
      imagePath_(imagePath),
      dpiX_(dpiX),
      dpiY_(dpiY)
{
    RefreshTileList();
}

std::string PrintOptionsModel::Caption() const
{
    return "Print: " + FileNameOf(imagePath_, PathSeparators::backslash);
}

std::string PrintOptionsModel::ResolutionText() const
{
    return std::to_string(dpiX_) + " X " + std::to_string(dpiY_);
}

void PrintOptionsModel::RefreshTileList()
{
    tileEntries.clear();
    tileCopies = false;
    if (resizePercent == 100) {
        // A full-size copy fills the page's short side: there is nothing to tile.
        tileSelection = -1;
        tileEnabled = false;
        return;
    }
    tileEntries = {"no", "yes"};
    tileSelection = 0;
    tileEnabled = true;
}

void PrintOptionsModel::ResizeSelected(int index)
{
    if (index < 0 || index >= kResizeEntryCount)
        return;
    resizeSelection = index;
    resizePercent = kResizeEntryCount - index;
    height = RoundToHundredths(static_cast<float>(static_cast<float>(resizePercent) * fullHeight * 0.01));
    width = RoundToHundredths(static_cast<float>(static_cast<float>(resizePercent) * fullWidth * 0.01));
    RefreshTileList();
}

void PrintOptionsModel::TileSelected(int index)
{
    if (index < 0 || index >= static_cast<int>(tileEntries.size()))
        return;
    tileSelection = index;
    tileCopies = index == 1;
}

void PrintOptionsModel::PhotoClicked()
{
    resizeSelection = kResizeEntryCount - resizePercent;
    if (!photo4x6) {
        photo4x6 = true;
        height = 4.0f;
        width = 6.0f;
        tileSelection = tileEntries.empty() ? -1 : 0;
        tileCopies = false;
        resizeEnabled = false;
        tileEnabled = false;
        return;
    }
    // The tile list stays off until the next Resize choice rebuilds it, and
    // the edits keep 4.00 x 6.00 until then too.
    photo4x6 = false;
    resizeEnabled = true;
}

PrintChoice PrintOptionsModel::Choice(bool keepRatio) const
{
    PrintChoice choice;
    choice.photo4x6 = photo4x6;
    choice.keepRatio = keepRatio;
    choice.resizePercent = resizePercent;
    choice.tileCopies = tileCopies;
    return choice;
}
