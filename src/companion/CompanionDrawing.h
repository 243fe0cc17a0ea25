#pragma once
// The companion result: the two names and one line per category, drawn in
// the Companion Analysis window and, in black, on a printer page.
#include "base/Canvas.h"
#include "companion/CompanionMatch.h"

#include <string>

inline constexpr const char* kCompanionFontName = "Verdana";

struct CompanionResult {
    std::string firstName;
    std::string secondName;
    bool love = false;
    bool friendship = false;
    bool business = false;
};

// The top line in a window whose client area is `height` pixels high (0 when
// not known): the lines centred over the buttons and picture, or 36.
float CompanionTop(int height);

// The four lines in their colours: names black, love blue, friendship white,
// business yellow, 40 pixels apart, in bold 12-pixel type.
void DrawCompanionScreen(Canvas& canvas, const CompanionResult& result, int height,
                         const std::string& fontFamily = kCompanionFontName);

// The same lines on a page measured in inches from the printer's physical
// offsets, black and regular.
void DrawCompanionPaper(Canvas& canvas, const CompanionResult& result, float ox, float oy,
                        const std::string& fontFamily = kCompanionFontName);
