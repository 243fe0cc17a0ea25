// The page view's reader on any bytes, one run laying out what it read, the
// next following a redirect, picked by the first byte.
#include "FuzzInput.h"

#include "pages/PageLayout.h"
#include "pages/PageParser.h"
#include "pages/PageUrl.h"

#include <algorithm>

namespace {

struct FuzzedMeasurer : PageMeasurer {
    float TextWidth(const std::string& text, const FontSpec& font) const override
    {
        return static_cast<float>(text.size()) * font.size * charWidth;
    }
    FontMetrics Metrics(const FontSpec& font) const override { return {font.size, font.size + 4}; }
    bool ImageSize(const std::string& path, float& width, float& height) const override
    {
        width = 28;
        height = imageHeight;
        return !path.empty();
    }
    float charWidth = 0, imageHeight = 0;
};

// The layout, with a measurer whose sizes come from the input too, must end,
// place nothing beyond its depth limit and cut paper only downwards.
void Layout(const std::string& input)
{
    FuzzedDataProvider values(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    const float width = values.ConsumeFloatingPointInRange<float>(0, 4000);
    const float pageHeight = values.ConsumeFloatingPoint<float>();
    FuzzedMeasurer measurer;
    measurer.charWidth = values.ConsumeFloatingPointInRange<float>(0, 2);
    measurer.imageHeight = values.ConsumeFloatingPoint<float>();
    const PageLayout layout = LayOutPage(ParsePage(values.ConsumeRemainingBytesAsString()), width, 400, measurer);
    FUZZ_CHECK(layout.height <= kMostLayoutHeight);
    const std::vector<float> cuts = PageBreaks(layout, pageHeight);
    FUZZ_CHECK(std::is_sorted(cuts.begin(), cuts.end()) &&
               std::adjacent_find(cuts.begin(), cuts.end()) == cuts.end());
    FUZZ_CHECK(cuts.empty() || cuts.back() < layout.height);
}

// Two page files, the first redirecting to the second or anywhere else: the
// loader reads at most one redirect, never leaves the first page's folder,
// and shows the first page when the target is refused.
void Loader(const std::string& input)
{
    FuzzedDataProvider values(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    const std::string target = values.ConsumeRandomLengthString(300);
    fuzz::WriteScratchFile("b.htm", values.ConsumeRandomLengthString(input.size()));
    const std::string firstPath = fuzz::WriteScratchFile(
        "a.htm", "<meta http-equiv=refresh content=\"1; URL=" + target + "\">" + values.ConsumeRemainingBytesAsString());
    PageDocument page;
    std::string shown;
    FUZZ_CHECK(LoadPageFile(firstPath, page, shown));
    FUZZ_CHECK(shown == firstPath || IsPageFileIn(shown, fuzz::ScratchDirectory()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::Dispatch(data, size, {Layout, Loader});
}
