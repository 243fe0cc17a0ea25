#include "driver/HourlyDriver.h"

#include "driver/Driver.h"

#include <cstdio>
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

std::string StandardOutputOf(const std::string& commandLine)
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
    const bool started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &process);
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

bool NextLine(std::istream& lines, std::string& line)
{
    if (!std::getline(lines, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

} // namespace

CliSingleReading CliSingle(const std::string& profilePath, int kind, const std::string& isoDate,
                           const std::string& shownIsoDate)
{
    std::string command = "\"" + BesideTestExe("oracline-cli.exe") + "\" single \"" + profilePath + "\" " +
                          std::to_string(kind) + " " + isoDate;
    if (!shownIsoDate.empty())
        command += " " + shownIsoDate;
    std::istringstream lines(StandardOutputOf(command));
    CliSingleReading reading;
    std::string line;
    if (!NextLine(lines, line))
        return reading;
    reading.value = std::atoi(line.c_str());
    if (!NextLine(lines, reading.title))
        return reading;
    reading.ok = true;
    return reading;
}

DailySession::DailySession(const TestProfile& profile, int year, int month, int day)
    : main_(DataFilesFor({profile})), description_(profile.description)
{
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", year, month, day);
    isoDate_ = iso;
    dailyTitle_ = CliDaily(ProfilePath(), isoDate_).title;
    if (main_.Window() && !dailyTitle_.empty())
        daily_ = OpenDailyAnalysis(main_, 0, year, month, day, dailyTitle_);
}

std::string DailySession::ProfilePath() const
{
    return DataDirectory() + description_ + ".ini";
}

HWND DailySession::OpenHourly(int kind)
{
    const CliSingleReading reading = CliSingle(ProfilePath(), kind, isoDate_);
    if (!daily_ || !reading.ok)
        return nullptr;
    // E, P, B, I and F follow each other from 1071.
    PressButton(daily_, 1070 + kind);
    return WaitForDialog(ProcessId(), reading.title);
}

void PressF2(HWND window)
{
    // Scan code of F2 in the key data, as a real key press carries it.
    PostMessageA(window, WM_KEYDOWN, VK_F2, 0x003C0001);
    PostMessageA(window, WM_KEYUP, VK_F2, static_cast<LPARAM>(0xC03C0001u));
}

} // namespace e2e
