#include "printing/PrintLayout.h"

#include <cmath>

namespace {

constexpr float kTileGap = 0.03f;
constexpr float kPhotoMargin = 0.17f;
constexpr float kPhotoLongSide = 6.0f;
constexpr float kPhotoShortSide = 4.0f;

float Inches(int dots, float dpi)
{
    return dpi > 0 ? static_cast<float>(dots) / dpi : 0.0f;
}

}  // namespace

PageMeasures MeasurePage(float dpiX, float dpiY, int physicalOffsetX, int physicalOffsetY, int horizontalDots,
                         int verticalDots)
{
    PageMeasures page;
    page.ox = Inches(physicalOffsetX, dpiX);
    page.oy = Inches(physicalOffsetY, dpiY);
    page.pageWidth = Inches(horizontalDots, dpiX);
    page.pageHeight = Inches(verticalDots, dpiY);
    return page;
}

bool PrintsGraphics(int rasterCaps)
{
    return (rasterCaps & kRasterGraphicsMask) != 0;
}

PrintSize FitToPage(int imageWidth, int imageHeight, float pageWidth, float pageHeight)
{
    const float side = pageWidth > pageHeight ? pageHeight : pageWidth;
    const float iw = static_cast<float>(imageWidth);
    const float ih = static_cast<float>(imageHeight);
    PrintSize size;
    if (imageWidth >= imageHeight) {
        size.width = side;
        size.height = side / (iw / ih);
    } else {
        size.height = side;
        size.width = side / (ih / iw);
    }
    return size;
}

float ResizeFactor(int resizePercent)
{
    return static_cast<float>(resizePercent) * 0.01f;
}

std::vector<PrintRect> TiledCopies(const PageMeasures& page, float width, float height)
{
    std::vector<PrintRect> copies{{0, 0, width, height}};
    // A copy with no extent would never move the next one along.
    if (!(width > 0 && height > 0) || !std::isfinite(width) || !std::isfinite(height))
        return copies;

    const float right = page.pageWidth;
    const float bottom = page.pageHeight;
    const float pitchX = width + kTileGap;
    const float pitchY = height + kTileGap;
    // Positions are multiples of the pitch rather than running sums, so the
    // last copy of a long row does not drift off the edge it should meet.
    for (int k = 1;; ++k) {
        const float x = pitchX * static_cast<float>(k);
        if (!(x + width <= right))
            break;
        copies.push_back({x, 0, width, height});
    }
    for (int j = 1;; ++j) {
        const float y = pitchY * static_cast<float>(j);
        if (!(y + height <= bottom))
            break;
        for (int k = 0;; ++k) {
            const float x = pitchX * static_cast<float>(k);
            if (!(x + width <= right))
                break;
            copies.push_back({x, y, width, height});
        }
    }
    return copies;
}

PrintRect PhotoKeepingRatio(float aspect)
{
    // Counted in whole hundredths: 4.0 less 0.01 forty times in floating
    // point lands a hair above 3.60, and the 800 x 480 chart would then drop
    // one more step than it should.
    int hundredths = 400;
    float height = kPhotoShortSide;
    float width = aspect * height;
    while (width > kPhotoLongSide && hundredths > 0) {
        --hundredths;
        height = static_cast<float>(hundredths) / 100.0f;
        width = aspect * height;
    }
    return {kPhotoMargin, kPhotoMargin, width, height};
}

PrintRect PhotoExact()
{
    return {0, 0, kPhotoLongSide, kPhotoShortSide};
}

std::vector<PrintRect> ImageRectangles(const PrintChoice& choice, const PrintSize& fitted, const PageMeasures& page)
{
    if (choice.photo4x6) {
        if (!choice.keepRatio)
            return {PhotoExact()};
        const float aspect = fitted.height != 0 ? fitted.width / fitted.height : 0.0f;
        return {PhotoKeepingRatio(aspect)};
    }
    const float factor = ResizeFactor(choice.resizePercent);
    const float width = factor * fitted.width;
    const float height = factor * fitted.height;
    if (choice.tileCopies)
        return TiledCopies(page, width, height);
    return {{0, 0, width, height}};
}
