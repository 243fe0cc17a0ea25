#include "daily/ReportFit.h"

ShownImage FitSavedReport(int width, int height)
{
    ShownImage shown{width, height, 0, 0};
    if (height > kViewerHeight || width > kViewerWidth) {
        const double ratio = static_cast<double>(width) / height;
        auto widthFor = [ratio](int h) {
            const double w = ratio * h;
            return w < 1 ? 1 : (w > kViewerWidth * 2.0 ? kViewerWidth * 2 : static_cast<int>(w));
        };
        if (shown.height > kViewerHeight)
            shown.height = kViewerHeight;
        shown.width = widthFor(shown.height);
        // Stepping the height down keeps the ratio as closely as whole pixels
        // allow; a very wide image stops at one pixel high, cut to the width.
        while (shown.width > kViewerWidth && shown.height > 1)
            shown.width = widthFor(--shown.height);
        if (shown.width > kViewerWidth)
            shown.width = kViewerWidth;
    }
    if (shown.width < kViewerWidth) {
        shown.x = (kViewerWidth - shown.width) / 2;
        if (shown.x > 2)
            shown.x -= 3;
    }
    if (shown.height < kViewerHeight) {
        shown.y = (kViewerHeight - shown.height) / 2;
        if (shown.y > 22)
            shown.y -= 15;
    }
    return shown;
}
