#include "composer/QuickResizeModel.h"

#include "base/AsciiText.h"
#include "base/PathText.h"

PixelSize ScaledSize(PixelSize source, int index)
{
    const double factor = (100 - index) * 0.01;
    const int width = static_cast<int>(source.width * factor);
    const int height = static_cast<int>(source.height * factor);
    return {width > 0 ? width : 1, height > 0 ? height : 1};
}

std::string ResizedCopyName(const std::string& sourcePath)
{
    return kResizedCopyPrefix + FileNameOf(sourcePath, PathSeparators::backslash);
}

const wchar_t* EncoderMimeType(const std::string& sourcePath)
{
    const std::string ending = LowerAscii(sourcePath.size() >= 4 ? sourcePath.substr(sourcePath.size() - 4) : "");
    if (ending == ".bmp")
        return L"image/bmp";
    if (ending == ".gif")
        return L"image/gif";
    if (ending == ".png")
        return L"image/png";
    if (ending == ".tif")
        return L"image/tiff";
    return L"image/jpeg";
}

QuickResizeModel::QuickResizeModel(PixelSize source) : checkEnabled(source.width > 0 && source.height > 0), source_(source)
{
    if (!SourceLoaded())
        source_ = {};
}

PixelSize QuickResizeModel::PageSize() const
{
    return ScaledSize(source_, switchedOn ? selection : 0);
}

void QuickResizeModel::CheckClicked()
{
    switchedOn = !switchedOn;
    scaleListShown = switchedOn;
    selection = 0;
    saveEnabled = false;
}

void QuickResizeModel::ScaleSelected(int index)
{
    if (index < 0 || index >= kScaleEntryCount)
        return;
    selection = index;
    saveEnabled = switchedOn && index > 0;
}
