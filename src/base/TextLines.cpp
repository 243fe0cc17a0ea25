#include "base/TextLines.h"

#include "platform/FileOps.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// Hands out the bytes of a file the way a text-mode stream on Windows does: a
// CR directly followed by LF arrives as a single LF, a lone CR stays a CR.
// Reads in blocks, since a character-at-a-time getc costs more than the
// rest of a profile computation.
class TextStream {
public:
    explicit TextStream(std::FILE* file) : file_(file) {}

    // True once more than kMaxDataFileBytes came in.
    bool Overlong() const { return total_ > kMaxDataFileBytes; }

    int Get()
    {
        int c = Raw();
        if (c != '\r' || Peek() != '\n')
            return c;
        return Raw();
    }

private:
    int Peek()
    {
        if (pos_ == end_ && !Fill())
            return EOF;
        return static_cast<unsigned char>(block_[pos_]);
    }

    int Raw()
    {
        if (pos_ == end_ && !Fill())
            return EOF;
        return static_cast<unsigned char>(block_[pos_++]);
    }

    bool Fill()
    {
        pos_ = 0;
        end_ = Overlong() ? 0 : std::fread(block_, 1, sizeof block_, file_);
        total_ += static_cast<long long>(end_);
        if (Overlong())
            end_ = 0;
        return end_ > 0;
    }

    std::FILE* file_;
    char block_[4096];
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    long long total_ = 0;
};

// Opens `path` for reading only when it is a regular file within the bound.
std::FILE* OpenBounded(const std::string& path)
{
    long long bytes = 0;
    if (!RegularFileSize(path, bytes) || bytes > kMaxDataFileBytes)
        return nullptr;
    return std::fopen(path.c_str(), "rb");
}

// White space as isspace sees it in the "C" locale, independent of the
// locale the program runs in.
bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void DeliverPiece(std::string& piece,
                  const std::function<void(const std::string&)>& onLine)
{
    std::size_t nul = piece.find('\0');
    if (nul != std::string::npos)
        piece.resize(nul);
    if (!piece.empty() && piece.back() == '\n')
        piece.pop_back();
    onLine(piece);
    piece.clear();
}

}  // namespace

bool ForEachLine(const std::string& path,
                 const std::function<void(const std::string& line)>& onLine,
                 std::size_t bufferSize)
{
    const std::size_t pieceLength = bufferSize > 1 ? bufferSize - 1 : 1;
    // Binary mode with our own CR LF handling, so that Linux and Windows split
    // a file into exactly the same pieces.
    std::FILE* file = OpenBounded(path);
    if (!file)
        return false;

    TextStream stream(file);
    std::string piece;
    piece.reserve(bufferSize);
    int c;
    while ((c = stream.Get()) != EOF) {
        piece.push_back(static_cast<char>(c));
        if (c == '\n' || piece.size() == pieceLength)
            DeliverPiece(piece, onLine);
    }
    if (!piece.empty() && !stream.Overlong())
        DeliverPiece(piece, onLine);

    std::fclose(file);
    return !stream.Overlong();
}

bool ReadSmallFile(const std::string& path, std::string& bytes)
{
    bytes.clear();
    std::FILE* file = OpenBounded(path);
    if (!file)
        return false;
    char block[4096];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0 &&
           static_cast<long long>(bytes.size()) <= kMaxDataFileBytes)
        bytes.append(block, got);
    const bool error = std::ferror(file) != 0;
    std::fclose(file);
    if (error || static_cast<long long>(bytes.size()) > kMaxDataFileBytes) {
        bytes.clear();
        return false;
    }
    return true;
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
