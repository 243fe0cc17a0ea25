#include "driver/Driver.h"

#include "win/GdiPlusSession.h"
#include "win/ImageFiles.h"
#include "win/KnownFolders.h"
#include "win/WideText.h"

#include <dlgs.h>
// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace e2e {

namespace {

// SendMessageTimeout with the driver's patience; false when the window hung.
bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr)
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, result ? result : &ignored);
}

// Calls `visit` for each entry of a directory but "." and "..".
void ForEachEntry(const std::string& directory, const std::function<void(const WIN32_FIND_DATAA&)>& visit)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((directory + "*").c_str(), &data);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &data))
        if (std::string(data.cFileName) != "." && std::string(data.cFileName) != "..")
            visit(data);
    if (find != INVALID_HANDLE_VALUE)
        FindClose(find);
}

// Removes a directory (ending in its separator) with everything in it.
void RemoveTree(const std::string& directory)
{
    ForEachEntry(directory, [&](const WIN32_FIND_DATAA& entry) {
        const std::string full = directory + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            return RemoveTree(full + "\\");
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(full.c_str());
    });
    RemoveDirectoryA(directory.c_str());
}

MessageBoxSeen AsMessageBox(HWND window)
{
    MessageBoxSeen seen;
    HWND text = GetDlgItem(window, 0xFFFF);
    if (text && TextOf(window) == "Oracline") {
        seen.window = window;
        seen.text = TextOf(text);
        seen.hasYesNo = GetDlgItem(window, IDYES) != nullptr;
    }
    return seen;
}

// Starts a program, its output and errors going to `output` when given; the
// process handle, or null when it did not start.
HANDLE StartProcess(std::string commandLine, HANDLE output, DWORD* processId = nullptr, const char* application = nullptr)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = output ? STARTF_USESTDHANDLES : 0;
    startup.hStdOutput = startup.hStdError = output;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(application, &commandLine[0], nullptr, nullptr, output != nullptr,
                        output ? CREATE_NO_WINDOW : 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    if (processId)
        *processId = process.dwProcessId;
    return process.hProcess;
}

Picture ReadScreenUnder(HWND window)
{
    Picture shot;
    RECT area{};
    POINT origin{0, 0};
    if (!GetClientRect(window, &area) || area.right <= 0 || area.bottom <= 0 || !ClientToScreen(window, &origin))
        return shot;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, area.right, area.bottom, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), area.right, -area.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    std::vector<RGBQUAD> quads(static_cast<size_t>(area.right * area.bottom));
    if (GetDIBits(memory, bitmap, 0, area.bottom, quads.data(), &info, DIB_RGB_COLORS) == area.bottom) {
        shot.width = area.right;
        for (const RGBQUAD& quad : quads)
            shot.pixels.push_back(RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue));
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

} // namespace

std::string BesideTestExe(const std::string& name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path);
    return text.substr(0, text.find_last_of("\\/") + 1) + name;
}

bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& done)
{
    for (const DWORD start = GetTickCount(); !done(); Sleep(20))
        if (GetTickCount() - start > timeoutMs)
            return false;
    return true;
}

std::string OutputOf(const std::string& commandLine)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return "";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE process = StartProcess(commandLine, writeEnd);
    // Only the child may hold the writing end, or the reading never ends.
    CloseHandle(writeEnd);
    std::string output;
    char buffer[4096];
    DWORD got = 0;
    while (process && ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    if (process)
        CloseHandle(process);
    CloseHandle(readEnd);
    return output;
}

ProgramRun::ProgramRun(const std::string& commandLine)
{
    process_ = StartProcess("\"" + BesideTestExe("Oracline.exe") + "\"" + (commandLine.empty() ? "" : " " + commandLine), nullptr, &processId_);
    if (process_)
        WaitForInputIdle(process_, 5000);
    else
        std::fprintf(stderr, "could not start %s (error %lu)\n", BesideTestExe("Oracline.exe").c_str(), GetLastError());
}

ProgramRun::ProgramRun(const std::string& application, const std::string& commandLine)
{
    process_ = StartProcess(commandLine, nullptr, &processId_, application.c_str());
}

void ProgramRun::Kill()
{
    if (process_ && WaitForSingleObject(process_, 0) != WAIT_OBJECT_0 && TerminateProcess(process_, 99))
        WaitForSingleObject(process_, 5000);
    if (process_)
        CloseHandle(process_);
    process_ = nullptr;
}

HWND WaitForDialogWhere(DWORD processId, const std::function<bool(HWND)>& matches, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil(timeoutMs, [&] {
        for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w && !found;
             w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            found = owner == processId && IsWindowVisible(w) && matches(w) ? w : nullptr;
        }
        return found != nullptr;
    });
    return found;
}

MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs)
{
    return AsMessageBox(WaitForDialogWhere(processId, [](HWND window) { return static_cast<bool>(AsMessageBox(window)); }, timeoutMs));
}

bool AnswerMessageBox(const MessageBoxSeen& box, int buttonId)
{
    return box.window && (PressButton(box.window, buttonId), WaitUntilGone(box.window));
}

std::string TextOf(HWND window)
{
    // Longer than any text the program shows.
    std::string text(1 << 16, '\0');
    DWORD_PTR copied = 0;
    return SendWithin(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), &copied) ? text.substr(0, static_cast<size_t>(copied))
               : "";
}

std::string EnabledLetters(HWND dialog, const std::vector<std::pair<int, char>>& buttons)
{
    std::string letters;
    for (const auto& button : buttons)
        letters += ControlEnabled(dialog, button.first) ? button.second : '-';
    return letters;
}

void SetControlText(HWND dialog, int controlId, const std::string& text)
{
    SendWithin(Control(dialog, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PressKey(HWND window, int virtualKey)
{
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(window, WM_KEYDOWN, virtualKey, scan | 1);
    PostMessageA(window, WM_KEYUP, virtualKey, scan | 0xC0000001);
}

void RealInput(const std::string& xdotoolArguments)
{
    // Wine starts a Linux program by its path, and the output pipe ends
    // when it has.
    OutputOf("/usr/bin/xdotool " + xdotoolArguments);
}

void RealClick(HWND window)
{
    const RECT frame = FrameOf(window);
    RealInput("mousemove " + std::to_string((frame.left + frame.right) / 2) + " " + std::to_string((frame.top + frame.bottom) / 2) + " click 1");
}

Picture CaptureClient(HWND window)
{
    // What the program has yet to paint would be read from whatever lies
    // beneath: let it finish the message at hand and paint what it made
    // invalid. Wine hands a painted window to the X server only once the
    // program's thread is idle again, which on a busy machine can take a
    // while: the screen is read until it holds still.
    SendWithin(window, WM_NULL, 0, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Picture shot = ReadScreenUnder(window);
    for (int look = 0; look < 20; ++look) {
        Sleep(150);
        Picture again = ReadScreenUnder(window);
        if (again.width == shot.width && again.pixels == shot.pixels)
            break;
        shot = std::move(again);
    }
    return shot;
}

RECT BoxOf(const Picture& picture, const std::function<bool(COLORREF)>& wanted)
{
    RECT box{picture.Width(), picture.Height(), -1, -1};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (wanted(picture.Pixel(x, y)))
                box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x), std::max<LONG>(box.bottom, y)};
    return box;
}

Picture DecodeImage(const std::string& path)
{
    static const GdiPlusSession gdiPlus;
    Picture picture;
    Gdiplus::Bitmap bitmap(std::wstring(path.begin(), path.end()).c_str());
    if (bitmap.GetLastStatus() != Gdiplus::Ok)
        return picture;
    for (UINT y = 0; y < bitmap.GetHeight(); ++y)
        for (UINT x = 0; x < bitmap.GetWidth(); ++x) {
            Gdiplus::Color colour;
            bitmap.GetPixel(x, y, &colour);
            picture.pixels.push_back(RGB(colour.GetR(), colour.GetG(), colour.GetB()));
        }
    picture.width = static_cast<int>(bitmap.GetWidth());
    return picture;
}

bool Near(COLORREF pixel, COLORREF colour, int tolerance)
{
    return pixel != CLR_INVALID && std::abs(GetRValue(pixel) - GetRValue(colour)) <= tolerance &&
           std::abs(GetGValue(pixel) - GetGValue(colour)) <= tolerance && std::abs(GetBValue(pixel) - GetBValue(colour)) <= tolerance;
}

bool WritePlainJpeg(const std::string& path, int width, int height, COLORREF colour)
{
    static const GdiPlusSession gdiPlus;
    Gdiplus::Bitmap bitmap(width, height, PixelFormat24bppRGB);
    Gdiplus::Graphics(&bitmap).Clear(Gdiplus::Color(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
    CLSID jpeg{};
    return FindEncoder(L"image/jpeg", &jpeg) && SaveWithQuality100(bitmap, WideText(path), jpeg);
}

std::vector<int> ControlsOverDrawing(HWND dialog)
{
    std::vector<HWND> controls;
    // The area a screen reader reads the drawing from paints nothing.
    char kind[64] = {};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child) && !(GetClassNameA(child, kind, sizeof kind) && std::string(kind) == "OraclineSpokenArea"))
            controls.push_back(child);
    for (HWND control : controls)
        ShowWindow(control, SW_HIDE);
    Sleep(500);
    const RECT drawn = BoxOf(CaptureClient(dialog), [](COLORREF p) { return p != RGB(128, 128, 128); });
    std::vector<int> over;
    for (HWND control : controls) {
        ShowWindow(control, SW_SHOWNA);
        RECT place{}, common{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        const RECT drawing{drawn.left, drawn.top, drawn.right + 1, drawn.bottom + 1};
        if (IntersectRect(&common, &place, &drawing))
            over.push_back(GetDlgCtrlID(control));
    }
    return over;
}

std::string ComboDriver::ItemText(int index) const
{
    // Across processes Wine hands an entry back in UTF-16 whichever form was
    // asked for, cut to the ANSI length, so ask for that form; the entries
    // are plain ASCII.
    const LRESULT length = SendMessageW(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring wide(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
    const LRESULT copied = length < 0 ? 0 : SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&wide[0]));
    return std::string(wide.begin(), wide.begin() + (copied > 0 ? copied : 0));
}

void ComboDriver::Choose(int index) const
{
    SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo_), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo_));
}

bool ComboDriver::ChooseText(const std::string& text) const
{
    for (int index = 0; index < Count(); ++index)
        if (ItemText(index) == text) {
            Choose(index);
            return true;
        }
    return false;
}

bool EnterFileName(HWND fileDialog, const std::string& name, DWORD timeoutMs)
{
    // Explorer-style dialogs hold the name in the combo box cmb13, older ones in edt1.
    HWND field = GetDlgItem(fileDialog, cmb13) ? GetDlgItem(fileDialog, cmb13) : GetDlgItem(fileDialog, edt1);
    if (!fileDialog || !field || !SendWithin(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str())))
        return false;
    PressButton(fileDialog, IDOK);
    return WaitUntilGone(fileDialog, timeoutMs);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    return static_cast<bool>(std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes);
}

bool TakeFromRecycleBin(const std::string& bytes)
{
    // Wine names the Linux home "\\??\\Z:\\home\\user" in WINEHOMEDIR.
    const char* home = std::getenv("WINEHOMEDIR");
    if (!home || std::string(home).rfind("\\??\\", 0) != 0)
        return false;
    const std::string trash = std::string(home + 4) + "\\.local\\share\\Trash\\", files = trash + "files\\";
    bool found = false;
    ForEachEntry(files, [&](const WIN32_FIND_DATAA& entry) {
        const std::string name = entry.cFileName;
        if (!found && !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && ReadFileBytes(files + name) == bytes) {
            found = DeleteFileA((files + name).c_str()) != 0;
            DeleteFileA((trash + "info\\" + name + ".trashinfo").c_str());
        }
    });
    return found;
}

std::vector<std::string> EntriesOf(const std::string& directory)
{
    std::vector<std::string> names;
    ForEachEntry(directory, [&](const WIN32_FIND_DATAA& entry) { names.push_back(entry.cFileName); });
    return names;
}

void ResetDataDirectory(const std::map<std::string, std::string>& files)
{
    RemoveTree(DataDirectory());
    RemoveTree(ReportsDirectory());
    // What a test left where earlier versions kept the data would be taken
    // over by the next first start.
    ForEachEntry(ProgramDirectory(), [](const WIN32_FIND_DATAA& entry) {
        const std::string name = entry.cFileName, full = ProgramDirectory() + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTree(full + "\\");
        else if (name.size() < 4 || name.substr(name.size() - 4) != ".gif")
            DeleteFileA(full.c_str());
    });
    if (!files.empty())
        CreateDirectoryA(DataDirectory().c_str(), nullptr);
    for (const auto& [name, bytes] : files)
        WriteFileBytes(DataDirectory() + name, bytes);
}

bool IsHeldReadOnly(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    const std::string moved = path + ".moved";
    if (MoveFileA(path.c_str(), moved.c_str())) {
        MoveFileA(moved.c_str(), path.c_str());
        return false;
    }
    return !DeleteFileA(path.c_str()) && !ReadFileBytes(path).empty();
}

std::string DataDirectory() { return KnownFolderPath(KnownFolder::RoamingAppData) + "Oracline\\"; }
std::string ReportsDirectory() { return KnownFolderPath(KnownFolder::Pictures) + "Oracline Reports\\"; }
std::string PagesDirectory() { return KnownFolderPath(KnownFolder::LocalAppData) + "Oracline\\Pages\\"; }

} // namespace e2e
