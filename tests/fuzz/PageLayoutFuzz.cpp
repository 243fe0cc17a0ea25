// The page view's layout of whatever the reader makes of any bytes, with a
// measurer whose sizes come from the input too: it must end, place nothing
// beyond its depth limit and cut paper only downwards.
#include "FuzzInput.h"

#include "pages/PageLayout.h"
#include "pages/PageParser.h"

#include <algorithm>
#include <cmath>

namespace {

class FuzzedMeasurer : public PageMeasurer {
public:
    FuzzedMeasurer(float charWidth, float imageHeight) : charWidth_(charWidth), imageHeight_(imageHeight) {}
    float TextWidth(const std::string& text, const FontSpec& font) const override
    {
        return static_cast<float>(text.size()) * font.size * charWidth_;
    }
    FontMetrics Metrics(const FontSpec& font) const override { return {font.size, font.size + 4}; }
    bool ImageSize(const std::string& path, float& width, float& height) const override
    {
        width = 28;
        height = imageHeight_;
        return !path.empty();
    }

private:
    float charWidth_;
    float imageHeight_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider values(data, size);
    const float width = values.ConsumeFloatingPointInRange<float>(0, 4000);
    const float pageHeight = values.ConsumeFloatingPoint<float>();
    const FuzzedMeasurer measurer(values.ConsumeFloatingPointInRange<float>(0, 2),
                                  values.ConsumeFloatingPoint<float>());
    const PageLayout layout = LayOutPage(ParsePage(values.ConsumeRemainingBytesAsString()), width, 400, measurer);
    FUZZ_CHECK(layout.height <= kMostLayoutHeight);
    const std::vector<float> cuts = PageBreaks(layout, pageHeight);
    FUZZ_CHECK(std::is_sorted(cuts.begin(), cuts.end()) &&
               std::adjacent_find(cuts.begin(), cuts.end()) == cuts.end());
    FUZZ_CHECK(cuts.empty() || cuts.back() < layout.height);
    return 0;
}
