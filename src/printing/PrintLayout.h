#pragma once
// The arithmetic of printing an image file (the hourly chart, a saved
// report): fitting it to the page, resizing, tiling copies over the page and
// the 4 x 6 inch photo format. All measures are in inches on a page whose
// origin is the corner of the printable area, as on a printer's device
// context; the physical offsets say how far that corner lies from the
// paper's.
#include <vector>

struct PrintRect {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

// What the printer reports, turned into inches.
struct PageMeasures {
    float ox = 0;          // physical offset, left
    float oy = 0;          // physical offset, top
    float pageWidth = 0;   // printable width
    float pageHeight = 0;  // printable height
};

// `dpiX`/`dpiY` are the graphics object's resolutions; the rest are the
// device capabilities PHYSICALOFFSETX/Y and HORZRES/VERTRES in dots. A
// resolution of 0 or less gives zero measures rather than a division by zero.
PageMeasures MeasurePage(float dpiX, float dpiY, int physicalOffsetX, int physicalOffsetY, int horizontalDots,
                         int verticalDots);

// RC_BITBLT, RC_SCALING, RC_BITMAP64, RC_DI_BITMAP, RC_PALETTE, RC_DIBTODEV,
// RC_STRETCHBLT and RC_STRETCHDIB: a device with none of them is in a text
// mode and cannot take a drawing.
inline constexpr int kRasterGraphicsMask = 0x2B8D;
bool PrintsGraphics(int rasterCaps);

struct PrintSize {
    float width = 0;
    float height = 0;
};

// The image's longer side becomes the page's shorter side, the other keeps
// the aspect ratio. The image must be at least 1 x 1.
PrintSize FitToPage(int imageWidth, int imageHeight, float pageWidth, float pageHeight);

// percent x 0.01, which is exactly 1 at 100 percent.
float ResizeFactor(int resizePercent);

// Copies of width x height laid over the printable area 0.03 inch apart, in
// rows from its top left corner. The first copy is always there, even when it does
// not fit; further copies only where they fit whole.
std::vector<PrintRect> TiledCopies(const PageMeasures& page, float width, float height);

// 4 x 6 photo paper keeping the ratio `aspect` (width / height): the height
// starts at 4 inches and comes down in hundredths until the width is at most
// 6; placed 0.17 inch in from the origin.
PrintRect PhotoKeepingRatio(float aspect);
// Exactly 6 x 4 inches at the origin, whatever the image's ratio.
PrintRect PhotoExact();

struct PrintChoice {
    bool photo4x6 = false;
    bool keepRatio = true;  // the answer to the 4 x 6 question
    int resizePercent = 100;
    bool tileCopies = false;
};

// Where the image goes on the page, one rectangle per copy: `fitted` is the
// FitToPage size (the size at 100 percent).
std::vector<PrintRect> ImageRectangles(const PrintChoice& choice, const PrintSize& fitted, const PageMeasures& page);
