#include "composer/win/ScaleImage.h"

#include "composer/QuickResizeModel.h"
#include "win/ImageFiles.h"
#include "win/WaitCursor.h"
#include "win/WideText.h"

#include <windows.h>
// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

bool ReadImageSize(const std::string& path, int& width, int& height)
{
    const std::wstring wide = WideText(path);
    if (wide.empty())
        return false;
    Gdiplus::Image image(wide.c_str());
    if (image.GetLastStatus() != Gdiplus::Ok)
        return false;
    width = static_cast<int>(image.GetWidth());
    height = static_cast<int>(image.GetHeight());
    return true;
}

bool ScaleImage(const std::string& sourcePath, const std::string& outputPath, int index)
{
    const std::wstring source = WideText(sourcePath);
    const std::wstring output = WideText(outputPath);
    if (source.empty() || output.empty())
        return false;
    Gdiplus::Image image(source.c_str());
    if (image.GetLastStatus() != Gdiplus::Ok)
        return false;
    const PixelSize size = ScaledSize({static_cast<int>(image.GetWidth()), static_cast<int>(image.GetHeight())}, index);

    WaitCursor wait;
    Gdiplus::Bitmap bitmap(size.width, size.height, PixelFormat24bppRGB);
    if (bitmap.GetLastStatus() != Gdiplus::Ok)
        return false;
    bitmap.SetResolution(image.GetHorizontalResolution(), image.GetVerticalResolution());
    {
        Gdiplus::Graphics graphics(&bitmap);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        graphics.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics.DrawImage(&image, Gdiplus::Rect(0, 0, size.width, size.height));
    }

    CLSID encoder;
    if (FindEncoder(EncoderMimeType(sourcePath), &encoder) != 1)
        return false;
    return SaveWithQuality100(bitmap, output, encoder);
}
