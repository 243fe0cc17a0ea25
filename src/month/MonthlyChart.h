#pragma once
// The Monthly Outlook: the readings of the coming days drawn as five lines,
// one per reading, with the day the Daily Analysis window shows first.
//
// The chart is also the window's model: the front end fills the series and
// the caption, moves the selection, and draws it on every paint and for the
// saved and printed image. Everything is laid out in the 800 x 480 pixels of
// the window's client area; the window's own buttons sit in the strip below
// the selection line, which the drawing leaves free.
#include "base/Canvas.h"
#include "base/SpokenText.h"
#include "engine/DailySeries.h"

#include <string>
#include <vector>

inline constexpr int kMonthlyImageWidth = 800;
inline constexpr int kMonthlyImageHeight = 480;

// "Monthly Outlook - " and what follows "Daily Analysis - " in the Daily
// Analysis window's caption (all of it when the caption lacks that heading).
std::string MonthlyCaption(const std::string& dailyCaption);

struct MonthlyChart {
    std::string title;  // the window caption; drawn in the image only
    std::string fontFamily = "Verdana";
    std::vector<SeriesDay> days;  // the first is the day the Daily Analysis shows
    int selected = 0;

    // The day whose column holds the point, or -1 outside the chart.
    int DayAt(int x, int y) const;
    // Moves the selection, kept within the days.
    void Select(int index);
    // "December 8, 2026:  Emotional 21%  ...  Fortune 10%  Normal Day".
    std::string SelectionLine() const;

    // The chosen day in words: the caption as the name, then the day, its
    // five values and its Day Reading, as the line under the chart gives them.
    SpokenDrawing Spoken() const;

    // The window's drawing, on the dialog's own grey.
    void DrawScreen(Canvas& canvas) const;
    // The saved and printed image: grey ground and the title on top.
    void DrawImage(Canvas& canvas) const;
};
