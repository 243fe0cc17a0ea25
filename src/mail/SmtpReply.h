#pragma once
// The mail server's replies as they arrive: a three-digit code and one or
// more lines ("250-first", "250 last"). Whatever the server sends, the
// reader holds at most one reply's worth of text and takes time in step
// with what came.
#include <string>
#include <vector>

struct SmtpReply {
    int code = 0;
    std::vector<std::string> lines;  // the text after each line's code and separator

    // "535 5.7.8 Authentication failed": the code and the lines joined by
    // blanks, control characters and bytes beyond ASCII shown as "?", at most
    // 300 characters: fit for a message box and the log.
    std::string Text() const;
    // True when a line of an EHLO reply names the extension (case aside),
    // alone or followed by its parameters.
    bool Offers(const std::string& extension) const;
    // The parameters of the extension's line ("PLAIN LOGIN" for "AUTH PLAIN LOGIN").
    std::string Parameters(const std::string& extension) const;
};

inline constexpr std::size_t kLongestReplyLine = 2048;
inline constexpr std::size_t kMostReplyLines = 100;

class SmtpReplyReader {
public:
    // Adds bytes as they came from the connection.
    void Add(const std::string& bytes);
    // The next complete reply, taken out of the buffer; false while more is
    // needed or once the stream is malformed.
    bool Next(SmtpReply& reply);
    // A line without a code, codes that change within a reply, a line longer
    // than kLongestReplyLine or a reply of more than kMostReplyLines lines.
    bool Malformed() const { return malformed_; }
    // Bytes received beyond the replies taken out: after the answer to
    // STARTTLS there must be none, or they were put there before the
    // encryption to be read as if after it.
    bool HasPending() const { return scanned_ < buffer_.size() || !partial_.lines.empty(); }

private:
    std::string buffer_;
    std::size_t scanned_ = 0;  // bytes of buffer_ already split into lines
    SmtpReply partial_;
    bool malformed_ = false;
};
