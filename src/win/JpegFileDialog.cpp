#include "win/JpegFileDialog.h"

#include "win/AccountFolders.h"

#include <commdlg.h>

#include <vector>

namespace {

constexpr DWORD kFileBufferSize = 5000;
constexpr DWORD kSaveFlags =
    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_EXTENSIONDIFFERENT | OFN_PATHMUSTEXIST | OFN_EXPLORER;
constexpr DWORD kOpenFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
// A name typed without an extension gets ".jpg". The dialog documents the
// default extension as bare letters, without dot or wildcard; "*.jpg" only
// works where the dialog falls back on the filter's pattern instead.
constexpr const char* kDefaultExtension = "jpg";

enum class Purpose { Save, Open };

bool AskForJpeg(Purpose purpose, HWND owner, const char* title, const char* filter, std::string& chosen)
{
    const std::string& reportsDirectory = AccountReportsDirectory();
    std::vector<char> file(kFileBufferSize, '\0');
    // Save As opens with the pattern in its name field; Open with it empty.
    if (purpose == Purpose::Save)
        lstrcpynA(file.data(), "*.jpg", static_cast<int>(file.size()));
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kFileBufferSize;
    dialog.lpstrInitialDir = reportsDirectory.c_str();
    dialog.lpstrTitle = title;
    dialog.Flags = purpose == Purpose::Save ? kSaveFlags : kOpenFlags;
    dialog.lpstrDefExt = kDefaultExtension;
    const bool picked =
        (purpose == Purpose::Save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog)) != FALSE;
    SetCurrentDirectoryA(AccountDataDirectory().c_str());
    if (picked)
        chosen = file.data();
    return picked;
}

} // namespace

bool AskForJpegFile(HWND owner, const char* title, const char* filter, std::string& chosen)
{
    return AskForJpeg(Purpose::Save, owner, title, filter, chosen);
}

bool AskForJpegToOpen(HWND owner, const char* title, const char* filter, std::string& chosen)
{
    return AskForJpeg(Purpose::Open, owner, title, filter, chosen);
}
