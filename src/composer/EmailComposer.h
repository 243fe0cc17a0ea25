#pragma once
// What the e-mail composer holds and decides, apart from its controls: the
// three text fields, the attachment's description, the contact list and the
// checks before sending. The dialog reads the text fields into the model
// before each handler and shows the model's values afterwards.
#include "composer/ContactList.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

inline constexpr std::size_t kToTextLimit = 500;
inline constexpr std::size_t kSubjectLimit = 50;
inline constexpr std::size_t kMessageLimit = 200;
// Larger images bring up the resize question before sending.
inline constexpr int kLargestMailedImageSide = 1024;

inline constexpr const char* kResizeQuestion =
    "Would you like to resize your report?    \nResolution 1024 x 768 or less is recommended for attachments.    ";

// Reads an image file's width and height in pixels; false when it cannot.
using ImageSizeReader = std::function<bool(const std::string& path, int& width, int& height)>;

// "unknown" without a size, "1023B", "1KB" (whole kilobytes, rounded down).
std::string SizeText(std::optional<std::uint64_t> bytes);
// True when the path ends in .jpg, .gif, .bmp, .png or .tif, in any case.
bool HasImageExtension(const std::string& path);

class EmailComposer {
public:
    // The saved report to attach, by its full path.
    explicit EmailComposer(std::string reportPath);

    // Size, resolution and whether the report may be resized, read afresh.
    void DescribeAttachment(const ImageSizeReader& readImageSize);

    // "<<----": the selected contact's address added to the To text unless
    // the To text already holds it anywhere; returns the refusal or an empty text.
    std::string AddSelectedContact();
    void Clear();
    void ToggleResizeButton() { resizeButtonShown = !resizeButtonShown; }
    // After Quick Resize wrote `copyPath`: it becomes the attachment, shown
    // and mailed as `copyName`, and the report cannot be resized again in
    // this run.
    void UseResizedCopy(const std::string& copyPath, const std::string& copyName,
                        const ImageSizeReader& readImageSize);
    // "Cancel" empties the texts.
    void Cancel();

    // Fills the contact list from the file.
    void ReadContacts(const std::string& path);
    // Applies the user's changes, if any, to the file as it is now (another
    // session may have changed it since it was read): a file that is there
    // but cannot be read (locked, refused) is never replaced. False only
    // when a needed write failed.
    bool SaveChangedContacts(const std::string& path) const;

    // "Email": the first refusal in the order the user meets them, else an
    // empty text. `askResize` says whether the resize question comes first.
    std::string CheckForEmail(bool& askResize) const;

    // Fields, as the controls show them.
    std::string toText;
    std::string subject;
    std::string message;
    std::string attachmentPath;
    std::string fileName;
    std::string sizeText;
    std::string resolutionText;
    int imageWidth = 0;
    int imageHeight = 0;
    bool attachmentFound = false;
    bool resizeCheckEnabled = false;
    bool resizeButtonShown = false;
    bool resizeButtonEnabled = true;
    bool resized = false;
    ContactList contacts;
};
