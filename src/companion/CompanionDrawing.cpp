#include "companion/CompanionDrawing.h"

namespace {

void DrawLines(Canvas& canvas, const CompanionResult& result, float x, float top, float step, const FontSpec& font,
               const Colour (&colours)[4])
{
    auto verdict = [](bool good) { return good ? std::string("Good Match") : std::string("Bad Match"); };
    const std::string lines[4] = {
        result.firstName + " and " + result.secondName,
        "Love: " + verdict(result.love),
        "Friendship: " + verdict(result.friendship),
        "Business: " + verdict(result.business),
    };
    for (int i = 0; i < 4; ++i)
        canvas.DrawText(lines[i], x, top + step * i, font, colours[i]);
}

} // namespace

float CompanionTop(int height)
{
    const float top = CentredTop(height, 202, 36);
    // A tall window would push the last line onto the picture below it.
    return top >= 62 ? top - 25 : top;
}

void DrawCompanionScreen(Canvas& canvas, const CompanionResult& result, int height, const std::string& fontFamily)
{
    const Colour colours[4] = {Colours::black, Colours::blue, Colours::white, Colours::yellow};
    DrawLines(canvas, result, 36, CompanionTop(height), 40, FontSpec{fontFamily, 12, true}, colours);
}

void DrawCompanionPaper(Canvas& canvas, const CompanionResult& result, float ox, float oy,
                        const std::string& fontFamily)
{
    const Colour black[4] = {Colours::black, Colours::black, Colours::black, Colours::black};
    DrawLines(canvas, result, ox + 0.5f, oy + 0.5f, 0.4f, FontSpec{fontFamily, 0.16f, false}, black);
}
