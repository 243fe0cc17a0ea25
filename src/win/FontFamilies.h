#pragma once
// The one place a GDI+ font family is chosen. A system may lack the named
// family, and a plain Wine prefix or a stripped-down Windows lacks even the
// families GDI+ offers as its generic faces; text then falls back as far as
// it must and is left out only when no family at all is installed.
#include <memory>
#include <string>

namespace Gdiplus {
class FontFamily;
}

// The named family, else the generic sans-serif family, else the first
// installed family; null when there is none.
std::unique_ptr<Gdiplus::FontFamily> UsableFontFamily(const std::string& name);
