#pragma once
// Where the saved-report viewer shows an image: fitted into its 800 x 600
// window and placed a little above and left of the centre, which looks
// centred once the window's frame and caption are taken off.
inline constexpr int kViewerWidth = 800;
inline constexpr int kViewerHeight = 600;

struct ShownImage {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
};

// An image of `width` x `height` pixels (both at least 1): kept at its own
// size when it fits, otherwise scaled down with its ratio to at most 600
// high and 800 wide, never below one pixel either way.
ShownImage FitSavedReport(int width, int height);
