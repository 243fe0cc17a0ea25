#include "win/DisplayScale.h"

#include "ArtworkIds.h"
#include "win/Theme.h"

// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const char* const kMadeHere = "OraclineScaledArt";

// The bitmap id and top-left corner (in dialog units) of every picture in a
// dialog resource. Only the extended template is read: every dialog of the
// program is a DIALOGEX.
struct ArtItem {
    int bitmapId;
    short x, y;
};

class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size) : data_(data), size_(size) {}
    bool Ok() const { return ok_; }
    template <typename T>
    T Take()
    {
        T value{};
        if (at_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        memcpy(&value, data_ + at_, sizeof(T));
        at_ += sizeof(T);
        return value;
    }
    // A string or an ordinal; returns the ordinal, or -1 for a string.
    int NameOrOrdinal()
    {
        const WORD first = Take<WORD>();
        if (first == 0xFFFF)
            return Take<WORD>();
        for (WORD c = first; ok_ && c != 0;)
            c = Take<WORD>();
        return -1;
    }
    void AlignToDword() { at_ = (at_ + 3) & ~size_t(3); }
    void Skip(size_t bytes) { at_ += bytes; ok_ = ok_ && at_ <= size_; }

private:
    const BYTE* data_;
    size_t size_;
    size_t at_ = 0;
    bool ok_ = true;
};

int ReadArt(int resourceId, ArtItem* items, int capacity)
{
    HINSTANCE instance = Theme::Instance();
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!data)
        return 0;
    TemplateReader in(data, SizeofResource(instance, found));
    if (in.Take<WORD>() != 1 || in.Take<WORD>() != 0xFFFF)
        return 0;
    in.Skip(4 + 4);
    const DWORD style = in.Take<DWORD>();
    const WORD count = in.Take<WORD>();
    in.Skip(4 * sizeof(short));
    in.NameOrOrdinal();  // menu
    in.NameOrOrdinal();  // class
    in.NameOrOrdinal();  // title
    if (style & (DS_SETFONT | DS_SHELLFONT)) {
        in.Skip(2 + 2 + 1 + 1);
        in.NameOrOrdinal();
    }
    int found_items = 0;
    for (WORD i = 0; i < count && in.Ok(); ++i) {
        in.AlignToDword();
        in.Skip(4 + 4);
        const DWORD itemStyle = in.Take<DWORD>();
        const short x = in.Take<short>();
        const short y = in.Take<short>();
        in.Skip(2 * sizeof(short) + 4);
        const int windowClass = in.NameOrOrdinal();
        const int title = in.NameOrOrdinal();
        in.Skip(in.Take<WORD>());
        const bool picture = windowClass == 0x0082 && (itemStyle & SS_TYPEMASK) == SS_BITMAP;
        if (in.Ok() && picture && title > 0 && found_items < capacity)
            items[found_items++] = {title, x, y};
    }
    return found_items;
}

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

bool IsPicture(HWND control)
{
    char name[16] = {};
    GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, "Static") == 0 && (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

} // namespace

namespace {

UINT WindowDpi(HWND window)
{
    // GetDpiForWindow came with Windows 10 (1607); before it the whole
    // system has one DPI, that of the screen's device context.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    UINT dpi = dpiForWindow && window ? dpiForWindow(window) : 0;
    if (dpi == 0) {
        HDC screen = GetDC(nullptr);
        dpi = screen ? static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY)) : 0;
        if (screen)
            ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : 96;
}

// Every dialog of the program is laid out in MS Sans Serif 8, whose base
// units (the pixels of four and eight dialog units) are 6 and 13 at 96 dpi.
constexpr float kBaseUnitX = 6;
constexpr float kBaseUnitY = 13;

// How much a dialog grew over its size at 96 dpi. A face that comes in a
// few fixed sizes grows less than the DPI (under Wine, MS Sans Serif stops
// at its 144-dpi size), and drawings must grow with the dialog around them.
// 0 for a window that is no dialog.
float DialogGrowth(HWND dialog)
{
    char name[8] = {};
    RECT units{0, 0, 4, 8};
    if (!GetClassNameA(dialog, name, sizeof name) || lstrcmpA(name, "#32770") != 0 ||
        !MapDialogRect(dialog, &units))
        return 0;
    return std::min(static_cast<float>(units.right) / kBaseUnitX, static_cast<float>(units.bottom) / kBaseUnitY);
}

} // namespace

float WindowScale(HWND window)
{
    const UINT dpi = WindowDpi(window);
    const float scale = static_cast<float>(dpi) / 96;
    if (dpi == 96 || !window)
        return scale;
    const float growth = DialogGrowth(GetAncestor(window, GA_ROOT));
    return growth > 1 && growth < scale * 0.95f ? growth : scale;
}

int ScreenPixels(HWND window, int layoutPixels)
{
    return static_cast<int>(std::lround(static_cast<float>(layoutPixels) * WindowScale(window)));
}

int LayoutPixels(HWND window, int screenPixels)
{
    return static_cast<int>(std::lround(static_cast<float>(screenPixels) / WindowScale(window)));
}

void ScaleDialogArt(HWND dialog, int resourceId)
{
    const float scale = WindowScale(dialog);
    if (scale == 1.0f && !GetPropA(dialog, kMadeHere))
        return;
    ArtItem items[64];
    const int count = ReadArt(resourceId, items, 64);
    for (int i = 0; i < count; ++i) {
        // Pictures are found by their corner: a static shrinks or grows to
        // its picture but keeps its place.
        RECT corner{items[i].x, items[i].y, items[i].x, items[i].y};
        MapDialogRect(dialog, &corner);
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT place{};
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
            if (place.left == corner.left && place.top == corner.top && IsPicture(child)) {
                SetArt(child, scale == 1.0f ? static_cast<HBITMAP>(LoadImageA(
                                                  Theme::Instance(), MAKEINTRESOURCEA(items[i].bitmapId),
                                                  IMAGE_BITMAP, 0, 0, 0))
                                            : ScaledArt(items[i].bitmapId, scale));
                break;
            }
        }
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

void FollowDpiChange(HWND dialog, int resourceId, LPARAM suggested)
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
    ScaleDialogArt(dialog, resourceId);
}
