// The page view's reader on any bytes, one run laying out what it read,
// printing it and clicking its link, the next following a redirect, picked by
// the first byte.
#include "FuzzInput.h"

#include "pages/PageLayout.h"
#include "pages/PageParser.h"

#include <algorithm>

namespace {

struct FuzzedMeasurer : PageMeasurer {
    float TextWidth(const std::string& text, const FontSpec& font) const override { return static_cast<float>(text.size()) * font.size * charWidth; }
    FontMetrics Metrics(const FontSpec& font) const override { return {font.size, font.size + 4}; }
    bool ImageSize(const std::string& path, float& width, float& height) const override
    {
        return width = imageWidth, height = imageHeight, !path.empty();
    }
    float charWidth = 0, imageWidth = 0, imageHeight = 0;
};

// Counts the texts and pictures a band of the page draws.
struct CountingCanvas : Canvas {
    void FillRectangle(int, int, int, int, Colour) override {}
    void DrawRectangle(int, int, int, int, Colour, float) override {}
    void DrawLine(float, float, float, float, Colour, float) override {}
    void DrawLineI(int, int, int, int, Colour, int) override {}
    void DrawText(const std::string&, float, float, const FontSpec&, Colour) override { ++drawn; }
    void DrawImage(const std::string&, float, float, float, float) override { ++drawn; }
    std::size_t drawn = 0;
};

// The printable areas of Letter, A4, Legal, A5, A3 and a #10 envelope, in
// 96-dpi pixels: width, then height.
constexpr float kPapers[][2] = {{768, 1008}, {746, 1074}, {768, 1296}, {511, 746}, {1075, 1540}, {864, 348}};

// Printing draws every page of a long layout; past this many pieces drawn
// the run would take seconds.
constexpr double kMostPiecesPrinted = 4e6;

// The layout, with window, paper and picture sizes and a measurer from the
// input, must end with every line inside its height. Paper is cut into pages
// no taller than a page, never through a line that fits on one, and prints
// every text and picture on it exactly once; the print link's area answers a
// click.
void Layout(const std::string& input)
{
    FuzzedDataProvider values(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    // Mostly real paper, upright or turned; else any window width and any
    // page from 1 to 40 inches.
    const std::size_t paper = values.ConsumeIntegralInRange<std::size_t>(0, 2 * std::size(kPapers));
    const bool real = paper < 2 * std::size(kPapers), turned = paper % 2 == 1;
    const float width = real ? kPapers[paper / 2][turned] : values.ConsumeFloatingPointInRange<float>(0, 4000);
    const float pageHeight = real ? kPapers[paper / 2][!turned] : values.ConsumeFloatingPointInRange<float>(96, 4000);
    const float viewHeight = values.ConsumeFloatingPointInRange<float>(0, 2000);
    const float scrolledShare = values.ConsumeProbability<float>();
    FuzzedMeasurer measurer;
    measurer.charWidth = values.ConsumeFloatingPointInRange<float>(0, 2);
    measurer.imageWidth = values.ConsumeFloatingPointInRange<float>(0, 2000);
    measurer.imageHeight = values.ConsumeFloatingPointInRange<float>(0, 2000);
    const PageLayout layout = LayOutPage(ParsePage(values.ConsumeRemainingBytesAsString()), width, viewHeight, measurer);
    for (const LineBox& line : layout.lines)
        FUZZ_CHECK(line.top >= 0 && line.top <= line.bottom && line.bottom <= layout.height);
    for (const PagePiece& piece : layout.pieces)
        FUZZ_CHECK(piece.kind != PagePiece::Text || (piece.y >= 0 && piece.y < layout.height));

    std::vector<float> tops{0};
    for (float cut : PageBreaks(layout, pageHeight)) {
        // A cut lands on a float near top + pageHeight: allow its rounding.
        FUZZ_CHECK(cut > tops.back() && cut - tops.back() <= pageHeight + 0.125f);
        tops.push_back(cut);
    }
    FUZZ_CHECK(layout.height - tops.back() <= pageHeight + 0.125f);
    for (const LineBox& line : layout.lines) {
        const auto cut = std::upper_bound(tops.begin(), tops.end(), line.top);
        FUZZ_CHECK(cut == tops.end() || *cut >= line.bottom || line.bottom - line.top > pageHeight);
    }

    if (static_cast<double>(tops.size()) * static_cast<double>(layout.pieces.size()) <= kMostPiecesPrinted) {
        CountingCanvas paper;
        for (std::size_t i = 0; i < tops.size(); ++i) {
            const float bottom = i + 1 < tops.size() ? tops[i + 1] : layout.height;
            DrawPage(layout, paper, tops[i], bottom - tops[i], true);
        }
        // The moving picture rests above the view's bottom, which may lie
        // below the content: paper ends with the content.
        const auto printed = [&](const PagePiece& piece) { return piece.kind != PagePiece::Fill && piece.y < layout.height; };
        FUZZ_CHECK(paper.drawn == static_cast<std::size_t>(std::count_if(layout.pieces.begin(), layout.pieces.end(), printed)));
    }
    CountingCanvas screen;
    DrawPage(layout, screen, scrolledShare * layout.height, viewHeight, false);

    // A click in the middle of a link of at least a pixel each way finds one.
    for (std::size_t i = 0; i < layout.links.size() && i < 64; ++i) {
        const PageLink& link = layout.links[i];
        if (link.width >= 1 && link.height >= 1)
            FUZZ_CHECK(LinkAt(layout, link.x + link.width / 2, link.y + link.height / 2));
    }
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
    // The folder holds these two files only: whatever else the target names
    // lies outside it. Judged by the files themselves, not by their names.
    const std::string secondPath = fuzz::ScratchDirectory() + "b.htm";
    std::error_code error;
    FUZZ_CHECK(std::filesystem::equivalent(shown, firstPath, error) || std::filesystem::equivalent(shown, secondPath, error));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { return fuzz::Dispatch(data, size, {Layout, Loader}); }
