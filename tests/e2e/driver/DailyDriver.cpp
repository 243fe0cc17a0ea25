#include "driver/DailyDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace e2e {

namespace {

std::string BesideTestExe(const std::string& name)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

std::string RunAndRead(const std::string& commandLine)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return "";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    const bool started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            output.append(buffer, got);
        WaitForSingleObject(process.hProcess, kWaitMs);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return output;
}

// GetProcAddress's FARPROC goes through the generic function pointer type,
// which converts to any other without a warning.
template <typename Function>
Function Entry(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The gdiplus flat API, loaded at run time: the driver library links no
// imaging library of its own.
struct GdiPlus {
    struct StartupInput {
        UINT32 version = 1;
        void* callback = nullptr;
        BOOL noBackgroundThread = FALSE;
        BOOL noExternalCodecs = FALSE;
    };
    using Startup = int(WINAPI*)(ULONG_PTR*, const StartupInput*, void*);
    using Load = int(WINAPI*)(const WCHAR*, void**);
    using Size = int(WINAPI*)(void*, UINT*);
    using GetPixel = int(WINAPI*)(void*, INT, INT, DWORD*);
    using Dispose = int(WINAPI*)(void*);

    GdiPlus()
    {
        HMODULE module = LoadLibraryA("gdiplus.dll");
        if (!module)
            return;
        auto startup = Entry<Startup>(module, "GdiplusStartup");
        load = Entry<Load>(module, "GdipLoadImageFromFile");
        width = Entry<Size>(module, "GdipGetImageWidth");
        height = Entry<Size>(module, "GdipGetImageHeight");
        pixel = Entry<GetPixel>(module, "GdipBitmapGetPixel");
        dispose = Entry<Dispose>(module, "GdipDisposeImage");
        ULONG_PTR token = 0;
        StartupInput input;
        ready = startup && load && width && height && pixel && dispose && startup(&token, &input, nullptr) == 0;
    }
    static GdiPlus& Instance()
    {
        static GdiPlus instance;
        return instance;
    }

    bool ready = false;
    Load load = nullptr;
    Size width = nullptr;
    Size height = nullptr;
    GetPixel pixel = nullptr;
    Dispose dispose = nullptr;
};

// An oracline-cli.exe linked against the compiler's shared runtime needs its
// DLLs on the path; under Wine they sit in the cross compiler's folders.
void AddCompilerRuntimeToPath()
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\usr\\lib\\gcc\\x86_64-w64-mingw32\\*-posix", &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    FindClose(search);
    char path[32767] = "";
    GetEnvironmentVariableA("PATH", path, sizeof path);
    const std::string extended =
        std::string("Z:\\usr\\lib\\gcc\\x86_64-w64-mingw32\\") + found.cFileName +
        ";Z:\\usr\\x86_64-w64-mingw32\\lib;" + path;
    SetEnvironmentVariableA("PATH", extended.c_str());
}

std::string RunCli(const std::string& arguments)
{
    const std::string commandLine = "\"" + BesideTestExe("oracline-cli.exe") + "\" " + arguments;
    std::string output = RunAndRead(commandLine);
    static bool pathExtended = false;
    if (output.empty() && !pathExtended) {
        pathExtended = true;
        AddCompilerRuntimeToPath();
        output = RunAndRead(commandLine);
    }
    return output;
}

} // namespace

CliDailySet CliDaily(const std::string& profilePath, const std::string& isoDate)
{
    CliDailySet set;
    const std::string output = RunCli("daily \"" + profilePath + "\" " + isoDate);
    std::istringstream lines(output);
    std::string line;
    if (!std::getline(lines, line))
        return set;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    set.title = line;
    for (int& reading : set.readings) {
        if (!std::getline(lines, line))
            return set;
        const size_t colon = line.find(": ");
        if (colon == std::string::npos)
            return set;
        reading = std::atoi(line.c_str() + colon + 2);
    }
    set.ok = true;
    return set;
}

bool WaitForCaption(HWND window, const std::string& caption, DWORD timeoutMs)
{
    return WaitUntil(timeoutMs, [&] { return TextOf(window) == caption; });
}

HWND OpenDailyAnalysis(MainWindowSession& session, int row, int year, int month, int day,
                       const std::string& expectedCaption)
{
    session.List().ClickRow(row);
    session.Settle();
    if (!session.Year().ChooseText(std::to_string(year)) || !session.Month().ChooseText(std::to_string(month)) ||
        !session.Day().ChooseText(std::to_string(day)))
        return nullptr;
    PressButton(session.Window(), IDOK);
    HWND window = WaitForDialog(session.ProcessId(), expectedCaption);
    if (window) {
        session.Settle();
        return window;
    }
    // Say what did open, since a caption mismatch is the likely fault.
    ADD_FAILURE() << "expected \"" << expectedCaption << "\"";
    for (HWND dialog : DialogsOf(session.ProcessId()))
        ADD_FAILURE() << "open: \"" << TextOf(dialog) << "\"";
    return nullptr;
}

bool JpegSize(const std::string& bytes, int& width, int& height)
{
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8)
        return false;
    size_t at = 2;
    auto byte = [&bytes](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    while (at + 9 < bytes.size()) {
        if (byte(at) != 0xFF)
            return false;
        const unsigned marker = byte(at + 1);
        const size_t length = (byte(at + 2) << 8) | byte(at + 3);
        // Start-of-frame markers, leaving out DHT (C4), JPG (C8) and DAC (CC).
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            height = (byte(at + 5) << 8) | byte(at + 6);
            width = (byte(at + 7) << 8) | byte(at + 8);
            return true;
        }
        at += 2 + length;
    }
    return false;
}

DecodedImage::DecodedImage(const std::string& path)
{
    GdiPlus& gdi = GdiPlus::Instance();
    if (!gdi.ready)
        return;
    std::wstring wide(path.begin(), path.end());
    void* image = nullptr;
    if (gdi.load(wide.c_str(), &image) != 0 || !image)
        return;
    UINT w = 0;
    UINT h = 0;
    gdi.width(image, &w);
    gdi.height(image, &h);
    pixels_.resize(static_cast<size_t>(w) * h);
    for (UINT y = 0; y < h; ++y)
        for (UINT x = 0; x < w; ++x) {
            DWORD argb = 0;
            gdi.pixel(image, static_cast<INT>(x), static_cast<INT>(y), &argb);
            pixels_[static_cast<size_t>(y) * w + x] = RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
        }
    gdi.dispose(image);
    width_ = static_cast<int>(w);
    height_ = static_cast<int>(h);
}

COLORREF DecodedImage::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

bool Near(COLORREF pixel, COLORREF colour, int tolerance)
{
    if (pixel == CLR_INVALID)
        return false;
    return std::abs(GetRValue(pixel) - GetRValue(colour)) <= tolerance &&
           std::abs(GetGValue(pixel) - GetGValue(colour)) <= tolerance &&
           std::abs(GetBValue(pixel) - GetBValue(colour)) <= tolerance;
}

} // namespace e2e
