#include "win/DialogFont.h"

#include "win/ScopedHandle.h"
#include "win/Theme.h"

#include <cstring>
#include <cwchar>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// TrueType faces drawn to MS Sans Serif's design, nearest first.
const wchar_t* const kGrowingFaces[] = {L"Microsoft Sans Serif", L"Tahoma", L"Segoe UI"};

int ScreenDpi()
{
    const ScreenDc screen(GetDC(nullptr));
    const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

// Whether `face` at `points` shows its letters at their full height on a
// screen of `dpi`; a bitmap face that has no such size gives a smaller one.
bool ReachesScale(const std::wstring& face, int points, int dpi)
{
    LOGFONTW wanted{};
    const int height = MulDiv(points, dpi, 72);
    wanted.lfHeight = -height;
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    const GdiObject font(CreateFontIndirectW(&wanted));
    const ScreenDc screen(GetDC(nullptr));
    if (!font || !screen)
        return true;
    const HGDIOBJ before = SelectObject(screen.Get(), font.Get());
    TEXTMETRICW metrics{};
    const bool measured = GetTextMetricsW(screen.Get(), &metrics) != 0;
    SelectObject(screen.Get(), before);
    return !measured || (metrics.tmHeight - metrics.tmInternalLeading) * 100 >= height * 95;
}

int CALLBACK NoteTrueType(const LOGFONTW*, const TEXTMETRICW*, DWORD type, LPARAM found)
{
    if (type & TRUETYPE_FONTTYPE)
        *reinterpret_cast<bool*>(found) = true;
    return 1;
}

bool IsTrueTypeInstalled(const wchar_t* face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    const ScreenDc screen(GetDC(nullptr));
    if (!screen)
        return false;
    EnumFontFamiliesExW(screen.Get(), &wanted, NoteTrueType, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The face a dialog in `face` at `points` is made in on this screen: its own
// while it reaches the scale, else the first growing face installed; one
// answer per face, size and DPI, since the fonts do not change while the
// program runs.
std::wstring FaceForScale(const std::wstring& face, int points)
{
    const int dpi = ScreenDpi();
    static std::map<std::pair<std::wstring, int>, std::wstring> chosen;
    const auto key = std::make_pair(face, points * 10000 + dpi);
    auto known = chosen.find(key);
    if (known != chosen.end())
        return known->second;
    std::wstring result = face;
    if (!ReachesScale(face, points, dpi))
        for (const wchar_t* candidate : kGrowingFaces)
            if (IsTrueTypeInstalled(candidate) && ReachesScale(candidate, points, dpi)) {
                result = candidate;
                break;
            }
    chosen[key] = result;
    return result;
}

// Reads an sz_Or_Ord field of a template at `at` (in 16-bit units) and moves
// past it; false when it runs past `count`.
bool SkipNameOrOrdinal(const WORD* words, size_t count, size_t& at)
{
    if (at >= count)
        return false;
    if (words[at] == 0) {
        at += 1;
        return true;
    }
    if (words[at] == 0xFFFF) {
        at += 2;
        return at <= count;
    }
    while (at < count && words[at] != 0)
        ++at;
    if (at >= count)
        return false;
    ++at;
    return true;
}

// A copy of an extended dialog template (DLGTEMPLATEEX) with the face its
// DS_SETFONT names replaced as the scale needs; empty when the template
// serves as it is or is of another form. The items follow the face on a
// 32-bit boundary, so the rest moves by a whole number of such units and
// each item keeps its own alignment.
std::vector<DWORD> TemplateForScale(const void* resource, DWORD bytes)
{
    const size_t count = bytes / sizeof(WORD);
    const WORD* words = static_cast<const WORD*>(resource);
    constexpr size_t kFixedWords = 13;  // up to and including cx, cy
    if (count <= kFixedWords || words[0] != 1 || words[1] != 0xFFFF)
        return {};
    DWORD style = 0;
    std::memcpy(&style, words + 6, sizeof style);
    if (!(style & DS_SETFONT))
        return {};
    size_t at = kFixedWords;
    if (!SkipNameOrOrdinal(words, count, at) || !SkipNameOrOrdinal(words, count, at) ||
        !SkipNameOrOrdinal(words, count, at))
        return {};
    const size_t points = at;
    const size_t faceStart = at + 3;  // point size, weight, italic and character set
    size_t faceEnd = faceStart;
    while (faceEnd < count && words[faceEnd] != 0)
        ++faceEnd;
    if (faceEnd >= count)
        return {};
    const std::wstring face(reinterpret_cast<const wchar_t*>(words + faceStart), faceEnd - faceStart);
    const std::wstring replacement = FaceForScale(face, words[points]);
    if (replacement == face)
        return {};

    std::vector<WORD> copy(words, words + faceStart);
    copy.insert(copy.end(), replacement.begin(), replacement.end());
    copy.push_back(0);
    if (copy.size() % 2)
        copy.push_back(0);
    const size_t restStart = (faceEnd + 1 + 1) / 2 * 2;
    if (restStart < count)
        copy.insert(copy.end(), words + restStart, words + count);
    std::vector<DWORD> result((copy.size() + 1) / 2);
    std::memcpy(result.data(), copy.data(), copy.size() * sizeof(WORD));
    return result;
}

std::vector<DWORD> LoadTemplateForScale(int resourceId)
{
    HINSTANCE instance = Theme::Instance();
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* resource = loaded ? LockResource(loaded) : nullptr;
    return resource ? TemplateForScale(resource, SizeofResource(instance, found)) : std::vector<DWORD>{};
}

} // namespace

INT_PTR RunScalableDialog(int resourceId, HWND owner, DLGPROC procedure, LPARAM parameter)
{
    const std::vector<DWORD> copy = LoadTemplateForScale(resourceId);
    if (copy.empty())
        return DialogBoxParamA(Theme::Instance(), MAKEINTRESOURCEA(resourceId), owner, procedure, parameter);
    return DialogBoxIndirectParamA(Theme::Instance(), reinterpret_cast<const DLGTEMPLATE*>(copy.data()), owner,
                                   procedure, parameter);
}

HWND CreateScalableDialog(int resourceId, HWND parent, DLGPROC procedure, LPARAM parameter)
{
    const std::vector<DWORD> copy = LoadTemplateForScale(resourceId);
    if (copy.empty())
        return CreateDialogParamA(Theme::Instance(), MAKEINTRESOURCEA(resourceId), parent, procedure, parameter);
    // The dialog manager reads the template while it creates the window and
    // keeps no reference to it afterwards.
    return CreateDialogIndirectParamA(Theme::Instance(), reinterpret_cast<const DLGTEMPLATE*>(copy.data()),
                                      parent, procedure, parameter);
}
