#include "win/DisplayScale.h"

#include "ArtworkIds.h"
#include "win/ScopedHandle.h"
#include "win/Theme.h"

// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const char* const kMadeHere = "OraclineScaledArt";

// The picture `bitmapId` at `width` x `height`, from the 2x bitmap when the
// scale is nearer 2 than 1, reduced or enlarged with bicubic filtering.
HBITMAP ScaledArt(int bitmapId, float scale)
{
    HINSTANCE instance = Theme::Instance();
    std::unique_ptr<Gdiplus::Bitmap> single(
        Gdiplus::Bitmap::FromResource(instance, reinterpret_cast<const WCHAR*>(MAKEINTRESOURCEW(bitmapId))));
    if (!single || single->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    const int width = static_cast<int>(std::lround(single->GetWidth() * scale));
    const int height = static_cast<int>(std::lround(single->GetHeight() * scale));
    std::unique_ptr<Gdiplus::Bitmap> twice;
    if (scale >= 1.5f)
        twice.reset(Gdiplus::Bitmap::FromResource(
            instance, reinterpret_cast<const WCHAR*>(MAKEINTRESOURCEW(bitmapId + IDB_DOUBLE_SIZE_OFFSET))));
    Gdiplus::Bitmap* source = twice && twice->GetLastStatus() == Gdiplus::Ok ? twice.get() : single.get();
    Gdiplus::Bitmap scaled(width, height, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics graphics(&scaled);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
        // Tile-flipping keeps the edge pixels from fading into black.
        Gdiplus::ImageAttributes edges;
        edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
        graphics.DrawImage(source, Gdiplus::Rect(0, 0, width, height), 0, 0,
                           static_cast<INT>(source->GetWidth()), static_cast<INT>(source->GetHeight()),
                           Gdiplus::UnitPixel, &edges);
    }
    HBITMAP result = nullptr;
    scaled.GetHBITMAP(Gdiplus::Color(255, 128, 128, 128), &result);
    return result;
}

void SetArt(HWND control, HBITMAP image)
{
    HANDLE old = reinterpret_cast<HANDLE>(
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image)));
    // The control no longer holds what it showed before; the resource's own
    // bitmap and one made here for another scale alike are ours to free.
    if (old && old != image)
        DeleteObject(old);
    if (image)
        SetPropA(control, kMadeHere, image);
    else
        RemovePropA(control, kMadeHere);
}

// The bitmap a dialog picture shows, by its control id; 0 for any other
// control.
int PictureOf(HWND control)
{
    char name[16] = {};
    GetClassNameA(control, name, sizeof name);
    const int id = GetDlgCtrlID(control);
    const bool picture = lstrcmpiA(name, "Static") == 0 &&
                         (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP && id > 0 && id < 0x8000;
    return picture && FindResourceA(Theme::Instance(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2)) ? id : 0;
}

UINT WindowDpi(HWND window)
{
    // GetDpiForWindow came with Windows 10 (1607); before it the whole
    // system has one DPI, that of the screen's device context.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    UINT dpi = dpiForWindow && window ? dpiForWindow(window) : 0;
    if (dpi == 0) {
        const ScreenDc screen(GetDC(nullptr));
        dpi = screen ? static_cast<UINT>(GetDeviceCaps(screen.Get(), LOGPIXELSY)) : 0;
    }
    return dpi > 0 ? dpi : 96;
}

// Every dialog of the program is laid out in MS Sans Serif 8, whose base
// units (the pixels of four and eight dialog units) are 6 and 13 at 96 dpi.
constexpr float kBaseUnitX = 6;
constexpr float kBaseUnitY = 13;

} // namespace

Growth GrowthOf(HWND window)
{
    // A hundred base units at once: MapDialogRect rounds each length it maps.
    HWND dialog = window ? GetAncestor(window, GA_ROOT) : nullptr;
    char name[8] = {};
    RECT units{0, 0, 400, 800};
    if (dialog && GetClassNameA(dialog, name, sizeof name) && lstrcmpA(name, "#32770") == 0 &&
        MapDialogRect(dialog, &units) && units.right > 0 && units.bottom > 0)
        return {static_cast<float>(units.right) / (100 * kBaseUnitX),
                static_cast<float>(units.bottom) / (100 * kBaseUnitY)};
    const float scale = static_cast<float>(WindowDpi(window)) / 96;
    return {scale, scale};
}

float WindowScale(HWND window)
{
    const Growth growth = GrowthOf(window);
    return std::min(growth.across, growth.down);
}

int ScreenPixels(HWND window, int layoutPixels)
{
    return static_cast<int>(std::lround(static_cast<float>(layoutPixels) * WindowScale(window)));
}

int LayoutPixels(HWND window, int screenPixels)
{
    return static_cast<int>(std::lround(static_cast<float>(screenPixels) / WindowScale(window)));
}

int LayoutHeight(HWND window, int screenPixels)
{
    return static_cast<int>(std::lround(static_cast<float>(screenPixels) / GrowthOf(window).down));
}

void ScaleDialogArt(HWND dialog)
{
    const float scale = WindowScale(dialog);
    if (scale == 1.0f && !GetPropA(dialog, kMadeHere))
        return;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int bitmapId = PictureOf(child);
        if (!bitmapId)
            continue;
        SetArt(child, scale == 1.0f ? static_cast<HBITMAP>(LoadImageA(Theme::Instance(), MAKEINTRESOURCEA(bitmapId),
                                                                      IMAGE_BITMAP, 0, 0, 0))
                                    : ScaledArt(bitmapId, scale));
    }
    SetPropA(dialog, kMadeHere, reinterpret_cast<HANDLE>(1));
}

void ReleaseDialogArt(HWND dialog)
{
    if (!RemovePropA(dialog, kMadeHere))
        return;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetPropA(child, kMadeHere))
            SetArt(child, nullptr);
}

void FollowDpiChange(HWND dialog, LPARAM suggested)
{
    const RECT* place = reinterpret_cast<const RECT*>(suggested);
    SetWindowPos(dialog, nullptr, place->left, place->top, place->right - place->left,
                 place->bottom - place->top, SWP_NOZORDER | SWP_NOACTIVATE);
    HFONT bold = Theme::BoldArial(ScreenPixels(dialog, Theme::kBoldArialHeight));
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0));
        if (font && Theme::IsBoldArial(font) && font != bold)
            SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
    }
    ScaleDialogArt(dialog);
}
