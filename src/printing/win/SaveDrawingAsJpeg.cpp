#include "printing/win/SaveDrawingAsJpeg.h"

#include "win/GdiPlusCanvas.h"
#include "win/ImageFiles.h"
#include "win/WideText.h"

#include <windows.h>
// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

bool SaveDrawingAsJpeg(const std::string& path, int width, int height,
                       const std::function<void(Canvas&)>& draw, bool* encoderFound)
{
    CLSID jpeg;
    const bool found = FindEncoder(L"image/jpeg", &jpeg) == 1;
    if (encoderFound != nullptr)
        *encoderFound = found;
    if (!found)
        return false;

    const std::wstring wide = WideText(path);
    if (wide.empty())
        return false;

    Gdiplus::Bitmap bitmap(width, height, PixelFormat24bppRGB);
    if (bitmap.GetLastStatus() != Gdiplus::Ok)
        return false;
    // A new bitmap takes the screen's DPI, which the JPEG would carry: the
    // file is the same at every display scale.
    bitmap.SetResolution(96, 96);
    {
        Gdiplus::Graphics graphics(&bitmap);
        if (graphics.GetLastStatus() == Gdiplus::Ok) {
            GdiPlusCanvas::ApplyQuality(graphics);
            GdiPlusCanvas canvas(graphics, bitmap);
            draw(canvas);
        }
    }

    return SaveWithQuality100(bitmap, wide, jpeg);
}
