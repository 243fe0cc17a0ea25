#include "composer/EmailComposer.h"

#include "composer/ComposedMail.h"
#include "base/Utf8Text.h"
#include "base/AsciiText.h"
#include "base/PathText.h"
#include "platform/FileOps.h"

#include <cctype>
#include <utility>

std::string SizeText(std::optional<std::uint64_t> bytes)
{
    if (!bytes)
        return "unknown";
    if (*bytes < 1024)
        return std::to_string(*bytes) + "B";
    return std::to_string(*bytes / 1024) + "KB";
}

bool HasImageExtension(const std::string& path)
{
    if (path.size() < 5)
        return false;
    const std::string ending = LowerAscii(path.substr(path.size() - 4));
    for (const char* image : {".jpg", ".gif", ".bmp", ".png", ".tif"})
        if (ending == image)
            return true;
    return false;
}

EmailComposer::EmailComposer(std::string reportPath)
    : attachmentPath(std::move(reportPath)), fileName(FileNameOf(attachmentPath, PathSeparators::backslash))
{
}

void EmailComposer::DescribeAttachment(const ImageSizeReader& readImageSize)
{
    long long bytes = 0;
    const std::optional<std::uint64_t> size =
        RegularFileSize(attachmentPath, bytes) ? std::optional<std::uint64_t>(bytes) : std::nullopt;
    attachmentFound = size.has_value();
    sizeText = SizeText(size);
    imageWidth = 0;
    imageHeight = 0;
    if (!HasImageExtension(attachmentPath)) {
        resizeCheckEnabled = false;
        resolutionText = "n/a";
        return;
    }
    resizeCheckEnabled = !resized;
    int width = 0;
    int height = 0;
    if (attachmentFound && readImageSize(attachmentPath, width, height)) {
        imageWidth = width > 0 ? width : 0;
        imageHeight = height > 0 ? height : 0;
    }
    resolutionText = std::to_string(imageWidth) + " x " + std::to_string(imageHeight);
}

std::string EmailComposer::AddSelectedContact()
{
    const Contact* contact = contacts.SelectedContact();
    if (!contact)
        return "";
    // A substring test, as the list was always checked: an address inside a
    // longer one counts as present.
    if (toText.find(contact->address) != std::string::npos)
        return contact->address + " is already in your To: list.";
    if (!toText.empty())
        toText += ";";
    toText += contact->address;
    return "";
}

void EmailComposer::Clear()
{
    toText.clear();
    subject.clear();
    message.clear();
}

void EmailComposer::Cancel() { Clear(); }

void EmailComposer::ReadContacts(const std::string& path)
{
    std::vector<Contact> rows;
    LoadContacts(path, rows);
    contacts.Fill(std::move(rows));
}

bool EmailComposer::SaveChangedContacts(const std::string& path) const
{
    return SaveContactChanges(path, contacts.Changes());
}

void EmailComposer::UseResizedCopy(const std::string& copyPath, const std::string& copyName,
                                   const ImageSizeReader& readImageSize)
{
    attachmentPath = copyPath;
    fileName = copyName;
    resized = true;
    DescribeAttachment(readImageSize);
    resizeCheckEnabled = false;
    resizeButtonEnabled = false;
}

std::string EmailComposer::CheckForEmail(bool& askResize) const
{
    askResize = false;
    if (toText.empty())
        return "Please enter To Address first.    ";
    if (toText.size() > kToTextLimit)
        return "To Address is too long. Maximum size is 500 characters.    ";
    // A name the mail client cannot resolve fails the whole send, after the
    // composer has closed.
    for (const std::string& recipient : SplitRecipients(toText)) {
        const std::string refusal = AddressRefusal(recipient);
        if (!refusal.empty())
            return refusal;
    }
    if (subject.empty())
        return "Please enter Email Subject first.    ";
    if (Utf8Length(subject) > kSubjectLimit)
        return "Email Subject is too long. Maximum size is 50 characters.    ";
    if (Utf8Length(message) > kMessageLimit)
        return "Email Message is too long. Maximum size is 200 characters.    ";
    // A report deleted after saving would reach the mail client as a path to
    // nothing; most clients then fail the whole send without saying why.
    if (!attachmentPath.empty() && !attachmentFound)
        return "The attached Daily Report cannot be found. Please save it again.    ";
    askResize = !attachmentPath.empty() && HasImageExtension(fileName) && !resized &&
                (imageWidth > kLargestMailedImageSide || imageHeight > kLargestMailedImageSide);
    return "";
}
