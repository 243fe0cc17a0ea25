#include "mail/SmtpReply.h"

#include "base/AsciiText.h"

namespace {

constexpr std::size_t kLongestReplyText = 300;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string SmtpReply::Text() const
{
    std::string text = std::to_string(code);
    for (const std::string& line : lines)
        if (!line.empty())
            text += " " + line;
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
            c = '?';
    if (text.size() > kLongestReplyText)
        text = text.substr(0, kLongestReplyText - 3) + "...";
    return text;
}

bool SmtpReply::Offers(const std::string& extension) const
{
    for (const std::string& line : lines) {
        const std::string word = LowerAscii(line.substr(0, line.find(' ')));
        if (word == LowerAscii(extension))
            return true;
    }
    return false;
}

std::string SmtpReply::Parameters(const std::string& extension) const
{
    for (const std::string& line : lines) {
        const std::size_t blank = line.find(' ');
        if (LowerAscii(line.substr(0, blank)) == LowerAscii(extension))
            return blank == std::string::npos ? "" : line.substr(blank + 1);
    }
    return "";
}

void SmtpReplyReader::Add(const std::string& bytes)
{
    if (malformed_)
        return;
    // What was split into lines is never read again; dropping it here, not
    // after each reply, keeps a burst of many small replies linear.
    buffer_.erase(0, scanned_);
    scanned_ = 0;
    buffer_ += bytes;
}

bool SmtpReplyReader::Next(SmtpReply& reply)
{
    while (!malformed_) {
        const std::size_t end = buffer_.find('\n', scanned_);
        if (end == std::string::npos) {
            // The longest line may be waiting for the LF after its CR.
            malformed_ = buffer_.size() - scanned_ > kLongestReplyLine + 1;
            return false;
        }
        std::string line = buffer_.substr(scanned_, end - scanned_);
        scanned_ = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const bool shaped = line.size() >= 3 && line.size() <= kLongestReplyLine && line[0] >= '2' &&
                            line[0] <= '5' && IsDigit(line[1]) && IsDigit(line[2]) &&
                            (line.size() == 3 || line[3] == ' ' || line[3] == '-');
        const int code = shaped ? (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0') : 0;
        if (!shaped || (partial_.code != 0 && partial_.code != code) || partial_.lines.size() >= kMostReplyLines) {
            malformed_ = true;
            buffer_.clear();
            scanned_ = 0;
            return false;
        }
        partial_.code = code;
        partial_.lines.push_back(line.size() > 4 ? line.substr(4) : "");
        if (line.size() == 3 || line[3] == ' ') {
            reply = std::move(partial_);
            partial_ = SmtpReply{};
            return true;
        }
    }
    return false;
}
