#pragma once
// What the page layout must know about fonts and images: the advance of a
// text, a font's line height and ascent, an image's size. The window measures
// with GDI+; tests use a fixed-width fake.
#include "base/Canvas.h"

#include <string>

struct FontMetrics {
    float ascent = 0;      // from the top of the line to the baseline
    float lineHeight = 0;  // the font's line spacing
};

class PageMeasurer {
public:
    virtual ~PageMeasurer() = default;
    virtual float TextWidth(const std::string& text, const FontSpec& font) const = 0;
    virtual FontMetrics Metrics(const FontSpec& font) const = 0;
    // False when the image cannot be read; it then takes no room.
    virtual bool ImageSize(const std::string& path, float& width, float& height) const = 0;
};
