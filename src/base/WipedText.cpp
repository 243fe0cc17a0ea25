#include "base/WipedText.h"

namespace {

template <typename Char>
void Overwrite(std::basic_string<Char>& text)
{
    // The whole capacity: a string that shrank keeps the old characters
    // beyond its end.
    text.resize(text.capacity());
    volatile Char* cell = &text[0];
    for (std::size_t i = 0; i < text.size(); ++i)
        cell[i] = Char(0);
    text.clear();
}

} // namespace

void WipeText(std::string& text) { Overwrite(text); }
void WipeText(std::wstring& text) { Overwrite(text); }
