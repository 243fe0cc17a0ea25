#pragma once
// The drawing surface the report, hourly and companion drawings are made on.
// The product draws through GDI+ onto a window, a bitmap or a printer page;
// tests use a recording canvas. Coordinates are in the surface's unit (pixels,
// or inches on paper).
#include <cstdint>
#include <string>

// On Windows <windows.h> defines DrawText as a macro, which would rename the
// method below in files that include it first.
#ifdef DrawText
#undef DrawText
#endif

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Colour& other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

namespace Colours {
constexpr Colour black{0, 0, 0};
constexpr Colour blue{0, 0, 255};
constexpr Colour maroon{128, 0, 0};
constexpr Colour white{255, 255, 255};
constexpr Colour yellow{255, 255, 0};
constexpr Colour red{255, 0, 0};
constexpr Colour green{0, 255, 0};
constexpr Colour grey{128, 128, 128};
} // namespace Colours

struct FontSpec {
    std::string family;  // e.g. "Verdana"
    float size = 12;     // in pixels (on paper: in the page unit)
    bool bold = true;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void FillRectangle(int x, int y, int width, int height, Colour colour) = 0;
    virtual void DrawRectangle(int x, int y, int width, int height, Colour colour, float penWidth) = 0;
    // Solid pen with flat caps: a line of width w covers w/2 each side of its
    // axis and ends exactly at its end points.
    virtual void DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width) = 0;
    virtual void DrawLineI(int x1, int y1, int x2, int y2, Colour colour, int width) = 0;
    // Text left- and top-aligned at the point, not wrapped or clipped.
    virtual void DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour) = 0;
    // An image file scaled into the rectangle; only pages show images, so
    // the drawings' canvases need not have it.
    virtual void DrawImage(const std::string& /*path*/, float /*x*/, float /*y*/, float /*width*/, float /*height*/) {}
};

// Where a drawing starts in a window `windowHeight` pixels high (outer
// height; 0 when not yet known): centred in the room the window has beyond
// `reference` pixels, or at `fallback` when there is no such room.
inline float CentredTop(int windowHeight, float reference, float fallback)
{
    if (windowHeight > 0) {
        const float centred = (static_cast<float>(windowHeight) - reference) * 0.5f;
        if (centred > 0)
            return centred;
    }
    return fallback;
}
