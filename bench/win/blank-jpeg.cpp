// The floor of the scheduled run in full colours: what no report image can
// do without. Starts GDI+, saves one blank 780 x 550 JPEG at quality 100 into
// the temporary folder, removes it and ends.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <vector>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return 1;
    int status = 1;
    {
        UINT count = 0, size = 0;
        Gdiplus::GetImageEncodersSize(&count, &size);
        std::vector<BYTE> buffer(size);
        auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
        Gdiplus::GetImageEncoders(count, size, encoders);
        wchar_t folder[MAX_PATH] = {}, path[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        GetTempFileNameW(folder, L"blk", 0, path);
        Gdiplus::Bitmap bitmap(780, 550, PixelFormat24bppRGB);
        ULONG quality = 100;
        Gdiplus::EncoderParameters parameters{};
        parameters.Count = 1;
        parameters.Parameter[0] = {Gdiplus::EncoderQuality, 1, Gdiplus::EncoderParameterValueTypeLong, &quality};
        for (UINT i = 0; i < count; ++i)
            if (lstrcmpW(encoders[i].MimeType, L"image/jpeg") == 0 &&
                bitmap.Save(path, &encoders[i].Clsid, &parameters) == Gdiplus::Ok)
                status = 0;
        DeleteFileW(path);
    }
    Gdiplus::GdiplusShutdown(token);
    return status;
}
