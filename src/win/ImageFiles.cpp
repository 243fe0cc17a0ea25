#include "win/ImageFiles.h"

#include <windows.h>
// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <cstdlib>
#include <cwchar>

namespace {

// {1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}
const GUID kEncoderQuality = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};

} // namespace

int FindEncoder(const wchar_t* mime, CLSID* classId)
{
    UINT count = 0;
    UINT size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    if (size == 0)
        return 0;
    auto* encoders = static_cast<Gdiplus::ImageCodecInfo*>(std::malloc(size));
    if (encoders == nullptr)
        return 0;
    Gdiplus::GetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i) {
        if (encoders[i].MimeType != nullptr && std::wcscmp(encoders[i].MimeType, mime) == 0) {
            *classId = encoders[i].Clsid;
            std::free(encoders);
            return 1;
        }
    }
    std::free(encoders);
    return 0;
}

bool SaveWithQuality100(Gdiplus::Image& image, const std::wstring& path, const CLSID& encoder)
{
    LONG quality = 100;
    Gdiplus::EncoderParameters parameters;
    parameters.Count = 1;
    parameters.Parameter[0].Guid = kEncoderQuality;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Value = &quality;
    return image.Save(path.c_str(), &encoder, &parameters) == Gdiplus::Ok;
}
