#pragma once
// What the Quick Resize dialog holds and decides, apart from its controls:
// the scale chosen from "100%" down to "1%", the size it gives, whether Save
// is usable, and the size the small page shows.
#include <string>

struct PixelSize {
    int width = 0;
    int height = 0;
};

inline constexpr int kScaleEntryCount = 100;  // "100%" at index 0 down to "1%"
inline constexpr const char* kResizedCopyPrefix = "_T_";

// The size at 100 - `index` percent, each side truncated, at least 1.
PixelSize ScaledSize(PixelSize source, int index);

// The name the resized copy is shown and mailed under: "_T_" and the file
// name of the source.
std::string ResizedCopyName(const std::string& sourcePath);


// The MIME type of the encoder for the copy, chosen by the source's last four
// characters in any case; JPEG for anything unknown.
const wchar_t* EncoderMimeType(const std::string& sourcePath);

class QuickResizeModel {
public:
    // A source without a usable size (a failed load) gives 0 x 0.
    explicit QuickResizeModel(PixelSize source);

    bool SourceLoaded() const { return source_.width > 0 && source_.height > 0; }
    // The size the page shows: the source's until resizing is switched on.
    PixelSize PageSize() const;

    void CheckClicked();
    void ScaleSelected(int index);

    bool switchedOn = false;
    bool checkEnabled = true;
    bool scaleListShown = false;
    int selection = 0;
    bool saveEnabled = false;

private:
    PixelSize source_;
};
