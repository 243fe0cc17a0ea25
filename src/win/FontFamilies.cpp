#include "win/FontFamilies.h"
#include "win/WideText.h"

#include <windows.h>
// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

namespace {

std::unique_ptr<Gdiplus::FontFamily> CopyIfUsable(const Gdiplus::FontFamily* family)
{
    if (!family || family->GetLastStatus() != Gdiplus::Ok || !family->IsAvailable())
        return nullptr;
    std::unique_ptr<Gdiplus::FontFamily> copy(family->Clone());
    return copy && copy->GetLastStatus() == Gdiplus::Ok ? std::move(copy) : nullptr;
}

} // namespace

std::unique_ptr<Gdiplus::FontFamily> UsableFontFamily(const std::string& name)
{
    const std::wstring wide = WideText(name);
    const Gdiplus::FontFamily named(wide.c_str());
    if (auto family = CopyIfUsable(&named))
        return family;
    // GenericSansSerif() gives null, not a family in error, when it has none.
    if (auto family = CopyIfUsable(Gdiplus::FontFamily::GenericSansSerif()))
        return family;
    // Found once: listing the installed families costs more than a paint.
    static std::wstring installedName;
    if (!installedName.empty()) {
        const Gdiplus::FontFamily known(installedName.c_str());
        if (auto family = CopyIfUsable(&known))
            return family;
    }
    const Gdiplus::InstalledFontCollection installed;
    const INT count = installed.GetFamilyCount();
    if (count <= 0)
        return nullptr;
    std::unique_ptr<Gdiplus::FontFamily[]> families(new Gdiplus::FontFamily[count]);
    INT found = 0;
    if (installed.GetFamilies(count, families.get(), &found) != Gdiplus::Ok)
        return nullptr;
    for (INT i = 0; i < found && i < count; ++i)
        if (auto family = CopyIfUsable(&families[i])) {
            WCHAR familyName[LF_FACESIZE] = {};
            if (family->GetFamilyName(familyName) == Gdiplus::Ok)
                installedName = familyName;
            return family;
        }
    return nullptr;
}
