#pragma once
// Splits HTML into text and tags. Character references are decoded in text
// and attribute values; comments, declarations and the inside of script and
// style elements never come out.
#include <string>
#include <utility>
#include <vector>

struct HtmlToken {
    enum Kind { Text, StartTag, EndTag } kind = Text;
    std::string name;  // tag name in lower case
    std::vector<std::pair<std::string, std::string>> attributes;  // names in lower case
    std::string text;  // decoded text, or the tag as written
    // The value of an attribute, or `fallback` when the tag has none.
    std::string Attribute(const std::string& name, const std::string& fallback = "") const;
};

std::vector<HtmlToken> TokenizeHtml(const std::string& html);

// "&amp;", "&lt;", "&#39;" and the like become their characters; a reference
// the view does not know stays as written.
std::string DecodeEntities(const std::string& text);
