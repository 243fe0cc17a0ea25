#pragma once
// Secrets (the mail password and what is made of it) are overwritten before
// their memory goes back to the heap. The writes go through a volatile
// pointer, so the compiler cannot drop them as stores to memory that is
// freed right after.
#include <string>
#include <utility>

void WipeText(std::string& text);
void WipeText(std::wstring& text);

// Wipes its text when it goes out of scope, on every way out.
class WipedText {
public:
    WipedText() = default;
    explicit WipedText(std::string text) : text_(std::move(text)) {}
    WipedText(const WipedText&) = delete;
    WipedText& operator=(const WipedText&) = delete;
    ~WipedText() { WipeText(text_); }

    std::string& Text() { return text_; }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};
