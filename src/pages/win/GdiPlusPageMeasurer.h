#pragma once
// Measures texts, fonts and images for the built-in page view with GDI+, at
// the screen's 96 pixels per inch, with the same family fallback as the
// canvas that draws them. Widths are cached: a page measures every word
// twice (once for its table's width, once to wrap it), and most words recur.
#include <windows.h>

#include "pages/PageMeasurer.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_map>

namespace Gdiplus {
class Bitmap;
class Font;
class Graphics;
}

class GdiPlusPageMeasurer : public PageMeasurer {
public:
    GdiPlusPageMeasurer();
    ~GdiPlusPageMeasurer() override;
    GdiPlusPageMeasurer(const GdiPlusPageMeasurer&) = delete;
    GdiPlusPageMeasurer& operator=(const GdiPlusPageMeasurer&) = delete;

    float TextWidth(const std::string& text, const FontSpec& font) const override;
    FontMetrics Metrics(const FontSpec& font) const override;
    bool ImageSize(const std::string& path, float& width, float& height) const override;
    // Widths for a page drawn at this scale (1 on paper): text is measured at
    // the size it is drawn in, since its width does not grow exactly with it.
    void SetScale(float scale) { scale_ = scale; }

private:
    struct Face;
    const Face& FaceFor(const FontSpec& font) const;

    std::unique_ptr<Gdiplus::Bitmap> scratch_;
    std::unique_ptr<Gdiplus::Graphics> graphics_;
    mutable std::map<std::string, std::unique_ptr<Face>> faces_;
    mutable std::unordered_map<std::string, float> widths_;
    float scale_ = 1;
};
