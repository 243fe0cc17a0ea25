#pragma once
// Splits HTML into text and tags in one pass. Comments, declarations and the
// inside of script and style elements never come out. Character references
// stay as written: no page the program writes holds one.
//
// A tag that does not end within kMostTagBytes is text, and so is all that
// was read looking for its end: the program's tags are a few dozen bytes,
// and looking again from every '<' would cost a hostile page the square of
// its size.
#include <cstddef>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

constexpr std::size_t kMostTagBytes = 4096;

struct HtmlToken {
    enum Kind { Text, StartTag, EndTag } kind = Text;
    std::string_view name;  // the tag name as written
    std::vector<std::pair<std::string_view, std::string_view>> attributes;
    std::string_view text;  // the text, or the whole tag as written

    // Compares the tag name with a lower-case name, ignoring case.
    bool Is(std::string_view lowerName) const;
    // The value of an attribute, or an empty view when the tag has none.
    std::string_view Attribute(std::string_view lowerName) const;
};

// True when `text` equals the lower-case `lower`, ignoring case.
bool SameNoCase(std::string_view text, std::string_view lower);

// Calls `take` for each token, in order; its views point into `html`.
void TokenizeHtml(std::string_view html, const std::function<void(const HtmlToken&)>& take);
