#pragma once
// The program is per-monitor DPI aware. Dialogs grow through their dialog
// units; everything given in pixels (drawings, window sizes, pictures, the
// bold font) is kept in the pixels of a 96-dpi screen and brought to a
// window's scale here.
#include <windows.h>

// The window's DPI over 96 (1.5 at 144 dpi), or less when the font of the
// dialog it belongs to grew less: a drawing fills its dialog at any scale.
float WindowScale(HWND window);

// Screen pixels of `window` for a length in 96-dpi pixels, and back.
int ScreenPixels(HWND window, int layoutPixels);
int LayoutPixels(HWND window, int screenPixels);

// Pictures of a dialog resource (its SS_BITMAP statics) at the dialog's
// scale, made from the nearer of the 1x and 2x bitmaps and scaled smoothly;
// at 96 dpi the resource's own bitmaps stay. Call again after a change of
// DPI; ReleaseDialogArt frees what they made.
void ScaleDialogArt(HWND dialog, int resourceId);
void ReleaseDialogArt(HWND dialog);

// WM_DPICHANGED: the window takes the rectangle Windows suggests, and its
// bold font and pictures are made anew for the new scale.
void FollowDpiChange(HWND dialog, int resourceId, LPARAM suggested);
