#pragma once
// The program is per-monitor DPI aware. Dialogs grow through their dialog
// units, by however much their font grew; everything given in pixels
// (drawings, window sizes, pictures, the bold font) is kept in the pixels of
// a dialog at 96 dpi in MS Sans Serif 8 and grows here as the dialog around
// it did, so nothing drawn runs under a control, whatever the font's metrics.
#include <windows.h>

// How much the dialog `window` belongs to grew over its size at 96 dpi in
// MS Sans Serif 8, across and down. The two differ where the font's
// proportions do (a prefix without MS Sans Serif, 120 dpi); a window that is
// no dialog grows by its DPI.
struct Growth {
    float across = 1;
    float down = 1;
};
Growth GrowthOf(HWND window);

// The smaller of the two: what text, pictures and pages grow by, so they
// keep their proportions and stay within the place the dialog gives them.
float WindowScale(HWND window);

// Screen pixels of `window` for a length in 96-dpi pixels, and back.
int ScreenPixels(HWND window, int layoutPixels);
int LayoutPixels(HWND window, int screenPixels);
// A height on the screen in 96-dpi pixels, by the dialog's growth down.
int LayoutHeight(HWND window, int screenPixels);

// A dialog picture is an SS_BITMAP static whose control id is the id of the
// bitmap it shows, with SS_CENTERIMAGE, so it keeps the place its dialog
// units give it. ScaleDialogArt draws every such picture of the dialog at
// the dialog's scale, from the nearer of the 1x and 2x bitmaps, scaled
// smoothly and centred in its place; at a scale of 1 the resource's own
// bitmaps stay. Call again after a change of DPI; ReleaseDialogArt frees
// what it made.
void ScaleDialogArt(HWND dialog);
void ReleaseDialogArt(HWND dialog);

// WM_DPICHANGED: the window takes the rectangle Windows suggests, and its
// bold font and pictures are made anew for the new scale.
void FollowDpiChange(HWND dialog, LPARAM suggested);
