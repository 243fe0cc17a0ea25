#pragma once
// The daily report: five text lines of the day, a heading, a scale from 0 to
// 100 and one thick bar per reading. It is drawn on three surfaces that differ
// in small, exact ways:
//   screen  the Daily Analysis window, pixels, floating-point coordinates,
//           no background (the dialog's grey shows through), no title;
//   image   a 780 x 550 bitmap saved as JPEG: grey background, black frame,
//           the title first, axes and bars through the integer line call;
//   paper   a printer page whose unit is the inch, measured from the
//           printer's physical offsets, black only, regular text.
//
// The front end makes the canvas (a window, a bitmap or a printer page with
// the quality modes already set) and calls one of the DrawDailyReport
// overloads; everything about positions, colours, fonts and order is here.
#include "base/Canvas.h"
#include "base/SpokenText.h"
#include "engine/DailyReadingSet.h"

#include <string>

inline constexpr const char* kChartFontName = "Verdana";

inline constexpr int kReportImageWidth = 780;
inline constexpr int kReportImageHeight = 550;

// What a report shows. `title` is the window caption (drawn on image and
// paper only); `set` gives the five readings and the five lines (its own
// Title is not used, since an empty profile leaves the caption "Daily
// Analysis" while the set's title stays empty).
struct ReportInput {
    std::string title;
    DailyReadingSet set;
    std::string fontFamily = kChartFontName;
};

// Where the screen drawing starts: 12, or the drawing centred vertically in a
// window taller than 576 pixels. `windowHeight` is the window's outer height;
// 0 means not yet known.
float TopOffset(int windowHeight);

struct ScreenReport {
    int windowHeight = 0;
};
struct ImageReport {
    // The scheduled e-mail's image has always set "Intuition" 8 pixels
    // further right than the saved one.
    bool mailed = false;
};
// The printer's physical offsets in inches (PHYSICALOFFSETX / dpiX, ...).
struct PaperReport {
    float ox = 0;
    float oy = 0;
};

void DrawDailyReport(Canvas& canvas, const ReportInput& report, const ScreenReport& surface);
// Paints the whole bitmap, background and frame included.
void DrawDailyReport(Canvas& canvas, const ReportInput& report, const ImageReport& surface);
void DrawDailyReport(Canvas& canvas, const ReportInput& report, const PaperReport& surface);

// The report in words, in the order the screen shows it: the caption as its
// name, the five lines, then each reading with its value.
SpokenDrawing SpokenDailyReport(const ReportInput& report);
