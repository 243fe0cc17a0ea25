#include "mail/MimeMessage.h"

#include "base/AsciiText.h"
#include "base/PathText.h"

#include <cstdio>
#include <cstring>

namespace {

// RFC 2047 allows 75 characters per encoded word; "=?UTF-8?B?" and "?="
// take 12, and 45 bytes of text give 60 characters of base64.
constexpr std::size_t kEncodedWordBytes = 45;
constexpr std::size_t kBase64LineLength = 76;
constexpr std::size_t kLongestTextLine = 998;

bool IsAscii(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::string WithoutControls(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return text;
}

// Cuts UTF-8 text into pieces of at most `limit` bytes without splitting a
// character.
std::vector<std::string> Utf8Pieces(const std::string& text, std::size_t limit)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = std::min(text.size(), start + limit);
        while (end < text.size() && end > start + 1 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
        pieces.push_back(text.substr(start, end - start));
        start = end;
    }
    return pieces;
}

std::string NormalisedLines(const std::string& text)
{
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            lines += text[i];
        }
    }
    return lines;
}

bool HasLongLine(const std::string& text)
{
    std::size_t length = 0;
    for (char c : text) {
        length = c == '\n' || c == '\r' ? 0 : length + 1;
        if (length > kLongestTextLine)
            return true;
    }
    return false;
}

std::string Base64Lines(const std::string& bytes)
{
    const std::string encoded = Base64(bytes);
    std::string lines;
    for (std::size_t i = 0; i < encoded.size(); i += kBase64LineLength)
        lines += encoded.substr(i, kBase64LineLength) + "\r\n";
    return lines;
}

// The text part's headers and content.
std::string TextPart(const std::string& body)
{
    if (IsAscii(body) && !HasLongLine(body))
        return "Content-Type: text/plain; charset=us-ascii\r\nContent-Transfer-Encoding: 7bit\r\n\r\n" +
               NormalisedLines(body) + "\r\n";
    return "Content-Type: text/plain; charset=utf-8\r\nContent-Transfer-Encoding: base64\r\n\r\n" +
           Base64Lines(body);
}

// filename="day.jpg", or the RFC 2231 form for a name beyond ASCII.
std::string FileNameParameter(const std::string& name)
{
    const std::string clean = WithoutControls(name);
    if (IsAscii(clean)) {
        std::string quoted;
        for (char c : clean)
            quoted += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
        return "filename=\"" + quoted + "\"";
    }
    std::string encoded;
    for (char c : clean) {
        const unsigned char u = static_cast<unsigned char>(c);
        const bool unreserved = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
                                c == '-' || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            encoded += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", u);
            encoded += hex;
        }
    }
    return "filename*=UTF-8''" + encoded;
}

} // namespace

std::string Base64(const std::string& bytes)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        unsigned long group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0);
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= count ? alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return out;
}

std::string EncodeHeaderText(const std::string& text)
{
    const std::string clean = WithoutControls(text);
    if (IsAscii(clean))
        return clean;
    // The encoded stretch runs from the start of the first word with a byte
    // beyond ASCII to the end of the last such word; blanks inside it are
    // encoded too, since decoders drop blanks between encoded words.
    std::size_t firstHigh = std::string::npos;
    std::size_t lastHigh = 0;
    for (std::size_t i = 0; i < clean.size(); ++i) {
        if (static_cast<unsigned char>(clean[i]) >= 0x80) {
            firstHigh = std::min(firstHigh, i);
            lastHigh = i;
        }
    }
    const std::size_t blankBefore = clean.rfind(' ', firstHigh);
    const std::size_t first = blankBefore == std::string::npos ? 0 : blankBefore + 1;
    const std::size_t blankAfter = clean.find(' ', lastHigh);
    const std::size_t last = blankAfter == std::string::npos ? clean.size() : blankAfter;
    std::string encoded;
    for (const std::string& piece : Utf8Pieces(clean.substr(first, last - first), kEncodedWordBytes))
        encoded += (encoded.empty() ? "" : "\r\n ") + std::string("=?UTF-8?B?") + Base64(piece) + "?=";
    return clean.substr(0, first) + encoded + clean.substr(last);
}

std::string EncodeDisplayName(const std::string& text)
{
    const std::string clean = WithoutControls(text);
    if (!IsAscii(clean)) {
        // All of it encoded: an ASCII word beside the encoded ones could
        // hold a comma or a dot, which a phrase cannot.
        std::string encoded;
        for (const std::string& piece : Utf8Pieces(clean, kEncodedWordBytes))
            encoded += (encoded.empty() ? "" : "\r\n ") + std::string("=?UTF-8?B?") + Base64(piece) + "?=";
        return encoded;
    }
    bool atoms = !clean.empty() && clean.front() != ' ' && clean.back() != ' ' &&
                 clean.find("  ") == std::string::npos;
    for (char c : clean) {
        const bool atomText = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                              std::strchr("!#$%&'*+-/=?^_`{|}~ ", c) != nullptr;
        atoms = atoms && atomText;
    }
    if (atoms)
        return clean;
    std::string quoted = "\"";
    for (char c : clean) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string FormatMailDate(CivilDate date, int weekday, int hour, int minute, int second, int utcOffsetMinutes)
{
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int offset = utcOffsetMinutes < 0 ? -utcOffsetMinutes : utcOffsetMinutes;
    char text[64];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d %c%02d%02d", days[((weekday % 7) + 7) % 7],
                  date.day, months[(date.month >= 1 && date.month <= 12 ? date.month : 1) - 1], date.year, hour,
                  minute, second, utcOffsetMinutes < 0 ? '-' : '+', offset / 60 % 100, offset % 60);
    return text;
}

const char* AttachmentType(const std::string& name)
{
    const std::string ending = LowerAscii(ExtensionOf(name, PathSeparators::either));
    static const struct {
        const char* ending;
        const char* type;
    } types[] = {{".jpg", "image/jpeg"}, {".jpeg", "image/jpeg"}, {".gif", "image/gif"},  {".bmp", "image/bmp"},
                 {".png", "image/png"},  {".tif", "image/tiff"},  {".tiff", "image/tiff"}, {".txt", "text/plain"}};
    for (const auto& known : types)
        if (ending == known.ending)
            return known.type;
    return "application/octet-stream";
}

std::string BuildMimeMessage(const MimeMail& mail)
{
    std::string to;
    for (const std::string& address : mail.to)
        to += (to.empty() ? "" : ",\r\n ") + WithoutControls(address);
    const std::string address = WithoutControls(mail.from);
    const std::string from = mail.fromName.empty() ? address : EncodeDisplayName(mail.fromName) + " <" + address + ">";
    std::string message = "Date: " + mail.date + "\r\nFrom: " + from + "\r\nTo: " + to + "\r\nSubject: " +
                          EncodeHeaderText(mail.subject) + "\r\nMessage-ID: " + mail.messageId +
                          "\r\nMIME-Version: 1.0\r\n";
    if (mail.attachments.empty())
        return message + TextPart(mail.body);
    message += "Content-Type: multipart/mixed; boundary=\"" + mail.boundary + "\"\r\n\r\n";
    message += "--" + mail.boundary + "\r\n" + TextPart(mail.body);
    for (const MimeAttachment& attachment : mail.attachments) {
        const std::string file = FileNameParameter(attachment.name);
        message += "--" + mail.boundary + "\r\nContent-Type: " + AttachmentType(attachment.name) +
                   "\r\nContent-Transfer-Encoding: base64\r\nContent-Disposition: attachment; " + file + "\r\n\r\n" +
                   Base64Lines(attachment.bytes);
    }
    return message + "--" + mail.boundary + "--\r\n";
}

std::string DotStuff(const std::string& message)
{
    const std::string lines = NormalisedLines(message);
    std::string stuffed;
    stuffed.reserve(lines.size() + lines.size() / 64 + 8);
    bool lineStart = true;
    for (char c : lines) {
        if (lineStart && c == '.')
            stuffed += '.';
        stuffed += c;
        lineStart = c == '\n';
    }
    if (!lineStart)
        stuffed += "\r\n";
    return stuffed + ".\r\n";
}
