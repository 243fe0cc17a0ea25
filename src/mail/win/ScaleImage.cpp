#include "mail/win/ScaleImage.h"

#include "mail/QuickResizeModel.h"
#include "win/ImageFiles.h"
#include "win/WaitCursor.h"
#include "win/WideText.h"

#include <windows.h>
// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

namespace {

// {1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}
const GUID kEncoderQuality = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};

} // namespace

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
    LONG quality = 100;
    Gdiplus::EncoderParameters parameters;
    parameters.Count = 1;
    parameters.Parameter[0].Guid = kEncoderQuality;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Value = &quality;
    return bitmap.Save(output.c_str(), &encoder, &parameters) == Gdiplus::Ok;
}
