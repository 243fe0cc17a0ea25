#include "base/TextLines.h"

#include "base/Utf8Text.h"
#include "platform/FileOps.h"
#include "platform/SystemCodePage.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// White space as isspace sees it in the "C" locale, independent of the
// locale the program runs in.
bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void DeliverPiece(std::string& piece, bool systemCodePage, std::size_t pieceLength,
                  const std::function<void(const std::string&)>& onLine)
{
    std::size_t nul = piece.find('\0');
    if (nul != std::string::npos)
        piece.resize(nul);
    if (!piece.empty() && piece.back() == '\n')
        piece.pop_back();
    // In UTF-8 a piece may grow; it still gets no longer than a piece, so
    // what is written back from it reads back the same.
    onLine(systemCodePage ? Utf8Prefix(Utf8FromSystemCodePage(piece), pieceLength) : piece);
    piece.clear();
}

}  // namespace

bool ForEachLine(const std::string& path,
                 const std::function<void(const std::string& line)>& onLine,
                 std::size_t bufferSize)
{
    std::string bytes;
    if (!ReadSmallFile(path, bytes))
        return false;
    ForEachLineIn(bytes, onLine, bufferSize);
    return true;
}

void ForEachLineIn(const std::string& bytes,
                   const std::function<void(const std::string& line)>& onLine,
                   std::size_t bufferSize)
{
    const std::size_t pieceLength = bufferSize > 1 ? bufferSize - 1 : 1;
    // Pieces are cut from the bytes as they are, so a file in the old code
    // page breaks its long lines where it always did.
    const bool systemCodePage = !IsValidUtf8(bytes);
    std::string piece;
    piece.reserve(pieceLength);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        // As a text-mode stream on Windows reads it: CR LF is one line feed,
        // a lone CR stays a CR. So Linux and Windows cut the same pieces.
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        piece.push_back(bytes[i]);
        if (bytes[i] == '\n' || piece.size() == pieceLength)
            DeliverPiece(piece, systemCodePage, pieceLength, onLine);
    }
    if (!piece.empty())
        DeliverPiece(piece, systemCodePage, pieceLength, onLine);
}

bool ReadSmallFile(const std::string& path, std::string& bytes)
{
    return ReadRegularFile(path, kMaxDataFileBytes, bytes);
}

std::string TextAsUtf8(const std::string& bytes)
{
    return IsValidUtf8(bytes) ? bytes : Utf8FromSystemCodePage(bytes);
}

std::size_t TextFileBytes(const std::string& text)
{
    std::size_t bytes = text.size();
    for (char c : text)
        bytes += c == '\n';
    return bytes;
}

bool CanOpenForReading(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    // fopen succeeds on a directory on POSIX systems; the first read then
    // fails, which an empty regular file never does.
    std::getc(file);
    bool readable = !std::ferror(file);
    std::fclose(file);
    return readable;
}

int LeadingInteger(const std::string& text, std::size_t from)
{
    std::size_t i = from;
    const std::size_t n = text.size();
    while (i < n && IsCSpace(text[i]))
        ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Digits past the int range no longer change the result, so the sum stops
    // growing there and cannot overflow however long the digit run is.
    long long value = 0;
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < limit)
            value = value * 10 + (text[i] - '0');
    }
    if (negative)
        return value >= limit ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

bool StartsWithKey(const std::string& line, const char* key)
{
    return line.compare(0, std::strlen(key), key) == 0;
}
