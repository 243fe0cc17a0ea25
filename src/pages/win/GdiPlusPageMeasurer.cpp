#include "pages/win/GdiPlusPageMeasurer.h"
#include "win/FontFamilies.h"
#include "win/WideText.h"

// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <cmath>

struct GdiPlusPageMeasurer::Face {
    std::unique_ptr<Gdiplus::Font> font;
    FontMetrics metrics;
};

namespace {

std::string KeyOf(const FontSpec& font)
{
    return font.family + '|' + std::to_string(font.size) + (font.bold ? "|b" : "|r");
}

} // namespace

GdiPlusPageMeasurer::GdiPlusPageMeasurer()
    : scratch_(std::make_unique<Gdiplus::Bitmap>(1, 1, PixelFormat24bppRGB))
{
    scratch_->SetResolution(96, 96);
    graphics_ = std::make_unique<Gdiplus::Graphics>(scratch_.get());
}

GdiPlusPageMeasurer::~GdiPlusPageMeasurer() = default;

const GdiPlusPageMeasurer::Face& GdiPlusPageMeasurer::FaceFor(const FontSpec& font) const
{
    const std::string key = KeyOf(font);
    auto found = faces_.find(key);
    if (found != faces_.end())
        return *found->second;
    auto face = std::make_unique<Face>();
    // Measured in the face the canvas draws in. With no font installed at
    // all nothing is drawn, and the layout keeps rough sizes.
    const auto family = UsableFontFamily(font.family);
    const INT style = font.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
    const float em = family ? family->GetEmHeight(style) : 0;
    if (family)
        face->font = std::make_unique<Gdiplus::Font>(family.get(), font.size, style, Gdiplus::UnitPixel);
    if (em > 0) {
        face->metrics.ascent = std::round(font.size * family->GetCellAscent(style) / em);
        const float descent = std::round(font.size * family->GetCellDescent(style) / em);
        face->metrics.lineHeight = std::max(face->metrics.ascent + descent,
                                            std::round(font.size * family->GetLineSpacing(style) / em));
    } else {
        face->metrics.ascent = std::round(font.size * 0.9f);
        face->metrics.lineHeight = std::round(font.size * 1.15f);
    }
    return *faces_.emplace(key, std::move(face)).first->second;
}

float GdiPlusPageMeasurer::TextWidth(const std::string& text, const FontSpec& font) const
{
    FontSpec drawn = font;
    drawn.size *= scale_;
    const std::string key = KeyOf(drawn) + '|' + text;
    auto found = widths_.find(key);
    if (found != widths_.end())
        return found->second;
    const Face& face = FaceFor(drawn);
    if (!face.font) {
        const float width = static_cast<float>(text.size()) * font.size / 2;
        widths_.emplace(key, width);
        return width;
    }
    Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
    format.SetFormatFlags(format.GetFormatFlags() | Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    const std::wstring wide = WideText(text);
    Gdiplus::RectF bounds;
    graphics_->MeasureString(wide.c_str(), static_cast<INT>(wide.size()), face.font.get(), Gdiplus::PointF(0, 0),
                             &format, &bounds);
    widths_.emplace(key, bounds.Width / scale_);
    return bounds.Width / scale_;
}

FontMetrics GdiPlusPageMeasurer::Metrics(const FontSpec& font) const
{
    return FaceFor(font).metrics;
}

bool GdiPlusPageMeasurer::ImageSize(const std::string& path, float& width, float& height) const
{
    Gdiplus::Image image(WideText(path).c_str());
    if (image.GetLastStatus() != Gdiplus::Ok || image.GetWidth() == 0 || image.GetHeight() == 0)
        return false;
    width = static_cast<float>(image.GetWidth());
    height = static_cast<float>(image.GetHeight());
    return true;
}
