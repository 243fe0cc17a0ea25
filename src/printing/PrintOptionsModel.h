#pragma once
// What the Print Options dialog holds and decides, apart from its controls.
// The dialog copies values between its controls and this model: before a
// handler it reads the Height and Width edits into `height` and `width` where
// the handler says so, calls the handler, then pushes every field below back
// to the controls (edits, the two lists with their entries, selection and
// enabled state, the check box).
#include "printing/PrintLayout.h"

#include <string>
#include <vector>

inline constexpr int kResizeEntryCount = 100;  // "100%" down to "1%"

inline constexpr float kMinimumPrintSize = -1.0f;
inline constexpr float kMaximumPrintSize = 10000.0f;

// "100%", "99%", ... "1%", in list order.
std::vector<std::string> ResizeEntries();

// `value` printed with "%.2f" and read back: what the edits show is what the
// fields hold.
float RoundToHundredths(float value);

// Reads a Height or Width edit. Leading and trailing blanks are allowed,
// anything else that is not part of the number is not.
enum class SizeCheck { Valid, NotANumber, OutOfRange };
SizeCheck ReadSizeText(const std::string& text, float& value);
// The messages for the two refusals, shown while the dialog stays open.
inline constexpr const char* kSizeNotANumberMessage = "Please enter a number.";
inline constexpr const char* kSizeOutOfRangeMessage = "Please enter a number between -1 and 10000.";

class PrintOptionsModel {
public:
    // The caller's settings before the dialog runs: the file being printed,
    // the printer's resolution and the image's size at 100 percent (from
    // FitToPage).
    PrintOptionsModel(const std::string& imagePath, int dpiX, int dpiY, const PrintSize& fullSize);

    // Window caption: "Print: " and the file name part of the image path.
    std::string Caption() const;
    // "600 X 600".
    std::string ResolutionText() const;

    // Handlers. Before ResizeSelected and PhotoClicked (when switching on),
    // read the Height and Width edits into `height` and `width`.
    void ResizeSelected(int index);  // -1 (nothing selected) is ignored
    void TileSelected(int index);
    void PhotoClicked();

    // What printing uses once the dialog has closed.
    PrintChoice Choice(bool keepRatio) const;

    // Fields, as the controls show them.
    float height = 4.0f;
    float width = 6.0f;
    float fullHeight = 0;
    float fullWidth = 0;
    int resizePercent = 100;
    bool tileCopies = false;
    bool photo4x6 = false;

    // Control states.
    // Index into ResizeEntries(); always the entry of `resizePercent`, also
    // across the 4 x 6 switch, so the list never shows a size other than the
    // one that will print.
    int resizeSelection = 0;
    bool resizeEnabled = true;
    std::vector<std::string> tileEntries;  // empty, or "no" and "yes"
    int tileSelection = -1;                // -1: nothing selected
    bool tileEnabled = false;

private:
    void RefreshTileList();

    std::string imagePath_;
    int dpiX_ = 0;
    int dpiY_ = 0;
};
