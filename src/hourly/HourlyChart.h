#pragma once
// The hourly analysis of one reading: 25 hour bars (00 to 24) that move in
// straight steps from the day before's value to the day's value by hour 11,
// and from there to the day after's value by hour 23, with the two halves
// named a "Rising" or "Falling" phase.
//
// The chart is also the hourly window's model: the front end fills the three
// values, the title and the scale caption, then draws it on every paint and
// for "hourly.jpg". Drawing may raise the stored values (see HourlyBars), and
// the raises are meant to stay: they keep a flat curve from being drawn as
// flat again.
#include "base/Canvas.h"
#include "base/SpokenText.h"

#include <string>

inline constexpr int kHourlyImageWidth = 800;
inline constexpr int kHourlyImageHeight = 480;
inline constexpr const char* kHourlyImageName = "hourly.jpg";  // in the pages folder

// "Hourly Analysis: Emotional  [24 Hours Scale]" and its kin for the reading
// kinds 1 to 4; any other kind is Fortune.
std::string ScaleCaption(int kind);

// Where the screen drawing starts: 20, or centred in a window taller than 474
// pixels (`windowHeight` is the outer height; 0 when not yet known).
float HourlyTopOffset(int windowHeight);

// Heights of the 25 bars, in reading points, with the two steps they were
// made with.
struct HourlyBars {
    float firstStep = 0;   // per hour from 00 to 12
    float secondStep = 0;  // per hour from 12 to 24
    float value[25] = {};
};

struct HourlyChart {
    std::string title;  // the window caption; drawn in the image only
    std::string scaleCaption = ScaleCaption(1);
    std::string fontFamily = "Verdana";
    int previousValue = 3;  // the day before the base date
    int currentValue = 3;   // the base date
    int nextValue = 3;      // the day after

    // Values of 0 or less become 3 (a missing reading still draws a stub).
    void ReplaceMissingValues();

    // The bar heights. A half whose two ends are equal would be a flat line:
    // the day (and the day after) is raised by 1 and the half climbs in steps
    // of 0.11 instead. The raises are stored, so this happens at most once.
    HourlyBars ComputeBars();

    // " Rising " when the day is not below the day before (first half) or the
    // day after not below the day (second half); " Falling " otherwise.
    std::string FirstPhase() const;
    std::string SecondPhase() const;

    // The window's drawing in words: the caption as its name, the texts,
    // each hour's bar as a whole number and the two phases. The stored
    // values are left as they are; the bars are those the drawing shows.
    SpokenDrawing Spoken() const;

    // The window's drawing, on the dialog's own background.
    void DrawScreen(Canvas& canvas, int windowHeight);
    // The 800 x 480 image printed through "hourly.jpg": grey background, the
    // title and the caption instead of the two lines of advice.
    void DrawImage(Canvas& canvas);
};
