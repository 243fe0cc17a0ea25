#include "driver/Driver.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace e2e {

namespace {

const char* const kWineAppKey = "Software\\Wine\\AppDefaults\\Oracline.exe";

std::string ModuleDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path);
    size_t slash = text.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : text.substr(0, slash + 1);
}

struct DialogSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialogs(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<DialogSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    if (std::string(className) == "#32770")
        search->found.push_back(window);
    return TRUE;
}

template <typename Predicate>
bool WaitFor(DWORD timeoutMs, Predicate done)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

} // namespace

std::string ProgramPath() { return ModuleDirectory() + "Oracline.exe"; }
std::string DataDirectory() { return "C:\\Program Files\\Oracline\\"; }

ProgramRun::ProgramRun(const std::string& commandLine)
{
    std::string line = "\"" + ProgramPath() + "\"";
    if (!commandLine.empty())
        line += " " + commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessA(ProgramPath().c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
        WaitForInputIdle(process_, 5000);
    } else {
        std::fprintf(stderr, "could not start %s (error %lu)\n", ProgramPath().c_str(),
                     GetLastError());
    }
}

ProgramRun::~ProgramRun()
{
    Kill();
}

bool ProgramRun::WaitForExit(DWORD timeoutMs, DWORD* code)
{
    if (!process_)
        return false;
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (code)
        GetExitCodeProcess(process_, code);
    return true;
}

void ProgramRun::Kill()
{
    if (!process_)
        return;
    if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

std::vector<HWND> DialogsOf(DWORD processId)
{
    DialogSearch search{processId, {}};
    EnumWindows(CollectDialogs, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(DWORD processId, const std::string& caption, DWORD timeoutMs)
{
    HWND result = nullptr;
    WaitFor(timeoutMs, [&] {
        for (HWND window : DialogsOf(processId))
            if (TextOf(window) == caption) {
                result = window;
                return true;
            }
        return false;
    });
    return result;
}

MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs)
{
    MessageBoxSeen seen;
    WaitFor(timeoutMs, [&] {
        for (HWND window : DialogsOf(processId)) {
            HWND text = GetDlgItem(window, 0xFFFF);
            if (TextOf(window) == "Oracline" && text) {
                seen.window = window;
                seen.text = TextOf(text);
                seen.hasYesNo = GetDlgItem(window, IDYES) != nullptr;
                return true;
            }
        }
        return false;
    });
    return seen;
}

bool AnswerMessageBox(const MessageBoxSeen& box, int buttonId)
{
    if (!box.window)
        return false;
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box.window, buttonId)));
    return WaitUntilGone(box.window);
}

std::string TextOf(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                             SMTO_ABORTIFHUNG, 5000, &copied))
        return "";
    text.resize(static_cast<size_t>(copied));
    return text;
}

HWND Control(HWND dialog, int controlId) { return GetDlgItem(dialog, controlId); }

std::string ControlText(HWND dialog, int controlId)
{
    HWND control = Control(dialog, controlId);
    return control ? TextOf(control) : std::string();
}

bool ControlEnabled(HWND dialog, int controlId)
{
    HWND control = Control(dialog, controlId);
    return control && IsWindowEnabled(control);
}

void PressButton(HWND dialog, int controlId)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(dialog, controlId)));
}

void CloseDialog(HWND dialog)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

bool WaitUntilGone(HWND window, DWORD timeoutMs)
{
    return WaitFor(timeoutMs, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

bool FileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

bool RemoveTree(const std::string& path)
{
    std::string directory = path;
    if (!directory.empty() && directory.back() != '\\')
        directory += '\\';
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((directory + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string full = directory + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(directory.c_str());
    return !DirectoryExists(directory);
}

void ResetDataDirectory()
{
    RemoveTree(DataDirectory());
}

bool RegistryKeyExists(const std::string& subKey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void CreateRegistryKey(const std::string& subKey)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

void DeleteRegistryTree(const std::string& subKey)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, subKey.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, subKey.c_str());
}

std::string RegistryValueBytes(const std::string& subKey, const std::string& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "";
    BYTE buffer[256];
    DWORD size = sizeof(buffer);
    DWORD type = 0;
    std::string bytes;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, buffer, &size) == ERROR_SUCCESS)
        bytes.assign(reinterpret_cast<char*>(buffer), size);
    RegCloseKey(key);
    return bytes;
}

ReportedWindowsVersion::ReportedWindowsVersion(const std::string& version)
{
    if (version.empty()) {
        DeleteRegistryTree(kWineAppKey);
        return;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kWineAppKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                       static_cast<DWORD>(version.size() + 1));
        RegCloseKey(key);
    }
}

ReportedWindowsVersion::~ReportedWindowsVersion()
{
    DeleteRegistryTree(kWineAppKey);
}

} // namespace e2e
