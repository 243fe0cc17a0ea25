// The wall times of Oracline.exe under Wine that no unit benchmark can see,
// each beside the floor it cannot go below, the runs of the two alternating
// (bench/window-times.sh runs it):
//
//   start-up to the main window        a dialog program that does nothing
//   (and, to tell the window's own     (the same floor)
//   share, a program that shows the
//   main window's dialog and does
//   nothing else, with and without
//   its pictures)
//   closing the profile editor, the    closing a dialog of that program over
//   Help Wizard, a page window and     its main dialog
//   the e-mail composer
//   the scheduled run in plain text    a program that does nothing but import
//                                      user32.dll (under Wine that starts the
//                                      display driver, as any drawing does)
//   the scheduled run in full colours  a program that starts GDI+ and saves
//                                      one blank 780 x 550 JPEG
//
// A close is timed from Escape until the window is gone and its owner answers
// again; the difference to the floor is the program's own work. Mail goes to
// the tests' recording mapi32.dll.
//
// Usage: window_times.exe FLOOR-DIALOG.exe USER32-FLOOR.exe JPEG-FLOOR.exe
//                         MAIN-DIALOG-ALONE.exe NO-PICTURES-ALONE.exe [ROUNDS]
#include "driver/Driver.h"
#include "res/DailyAnalysisWindowIds.h"
#include "res/MainWindowIds.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using namespace e2e;

namespace {

const TestProfile kBench{"Jane Doe", "Bench", 5, 4, 1990};

double Milliseconds()
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times)
{
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

// A program started with this exact command line (the arguments unquoted, as
// the Task Scheduler passes them); null when it did not start.
HANDLE Start(const std::string& program, const std::string& arguments, DWORD& processId)
{
    std::string line = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    processId = process.dwProcessId;
    return process.hProcess;
}

// From the start until the program has ended.
double RunTime(const std::string& program, const std::string& arguments)
{
    DWORD id = 0;
    const double start = Milliseconds();
    HANDLE process = Start(program, arguments, id);
    if (!process)
        return -1;
    WaitForSingleObject(process, kWaitMs);
    const double took = Milliseconds() - start;
    CloseHandle(process);
    return took;
}

HWND VisibleDialog(DWORD processId, const std::string& caption)
{
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window) && TextOf(window) == caption)
            return window;
    }
    return nullptr;
}

// From the start until the dialog with the caption shows; the program is
// closed again afterwards.
double StartTime(const std::string& program, const std::string& caption)
{
    DWORD id = 0;
    const double start = Milliseconds();
    HANDLE process = Start(program, "", id);
    if (!process)
        return -1;
    HWND window = nullptr;
    while (!(window = VisibleDialog(id, caption)) && Milliseconds() - start < kWaitMs)
        Sleep(1);
    const double took = Milliseconds() - start;
    CloseDialog(window);
    if (WaitForSingleObject(process, kWaitMs) != WAIT_OBJECT_0)
        TerminateProcess(process, 1);
    CloseHandle(process);
    return window ? took : -1;
}

// From Escape on `window` until it is gone and `owner` answers again.
double CloseTime(HWND window, HWND owner)
{
    if (!window)
        return -1;
    Sleep(300);  // done opening: a page may still be loading
    const double start = Milliseconds();
    CloseDialog(window);
    while (IsWindow(window) && IsWindowVisible(window) && Milliseconds() - start < kWaitMs)
        Sleep(1);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kWaitMs, &ignored);
    return Milliseconds() - start;
}

struct Row {
    const char* what;
    std::vector<double> times, floor;
    bool ratio;  // against the floor as a ratio, else as the difference
};

// Other work on the machine only ever adds time, so the fastest of the runs
// is the truest of each; the medians show how much that varied.
void Print(const Row& row)
{
    const double own = *std::min_element(row.times.begin(), row.times.end());
    const double floor = *std::min_element(row.floor.begin(), row.floor.end());
    std::printf("%-36s %6.0f ms  floor %6.0f ms  ", row.what, own, floor);
    if (row.ratio)
        std::printf("%.2f times", floor > 0 ? own / floor : 0);
    else
        std::printf("%+4.0f ms own work", own - floor);
    std::printf("   (medians %.0f and %.0f ms)\n", Median(row.times), Median(row.floor));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6)
        return 2;
    const std::string floorDialog = argv[1], user32Floor = argv[2], jpegFloor = argv[3];
    const std::string dialogAlone = argv[4], noPicturesAlone = argv[5];
    const int rounds = argc > 6 ? std::max(1, std::atoi(argv[6])) : 10;
    const std::string oracline = BesideTestExe("Oracline.exe");

    ResetDataDirectory();
    CreateDirectoryA(DataDirectory().c_str(), nullptr);
    for (const auto& file : DataFilesFor({kBench}))
        WriteFileBytes(DataDirectory() + file.first, file.second);
    PrepareMailRecord();

    Row startUp{"start-up to the main window", {}, {}, true};
    Row alone{"  its dialog alone, no program code", {}, {}, true};
    Row noPictures{"  the same without its 35 pictures", {}, {}, true};
    for (int i = 0; i < rounds; ++i) {
        startUp.floor.push_back(StartTime(floorDialog, "Floor"));
        startUp.times.push_back(StartTime(oracline, kMainWindowCaption));
        alone.times.push_back(StartTime(dialogAlone, kMainWindowCaption));
        noPictures.times.push_back(StartTime(noPicturesAlone, kMainWindowCaption));
    }
    alone.floor = noPictures.floor = startUp.floor;
    Print(startUp);
    Print(alone);
    Print(noPictures);

    // The scheduled runs, with the floors of their unavoidable work.
    const std::string record = DataDirectory() + "task.dtr";
    auto writeRecord = [&](int type) {
        WriteFileBytes(record, "Profile:" + DataDirectory() + "Bench.ini\r\nEmail:bench@example.com\r\nTime:7:0AM\r\nType:" +
                                   std::to_string(type) + "\r\n");
    };
    Row plain{"scheduled run, plain text", {}, {}, true}, colour{"scheduled run, full colours", {}, {}, true};
    for (int i = 0; i < rounds; ++i) {
        plain.floor.push_back(RunTime(user32Floor, ""));
        writeRecord(0);
        plain.times.push_back(RunTime(oracline, record));
        colour.floor.push_back(RunTime(jpegFloor, ""));
        writeRecord(1);
        colour.times.push_back(RunTime(oracline, record));
    }
    Print(plain);
    Print(colour);
    const std::string log = DataFile("delivery.log");
    size_t lastTwo = log.size();
    for (int line = 0; line < 3 && lastTwo > 0; ++line)
        lastTwo = log.rfind('\n', lastTwo - 1);
    std::printf("mails recorded: %u of %d; the last two runs logged:\n%s",
                static_cast<unsigned>(ReadMailRecord().size()), 2 * rounds,
                log.substr(lastTwo == std::string::npos ? 0 : lastTwo + 1).c_str());
    DeleteFileA(record.c_str());

    // Closing: the floor's second dialog, then the program's windows.
    std::vector<double> closeFloor;
    DWORD floorId = 0;
    HANDLE floorProcess = Start(floorDialog, "", floorId);
    HWND floorMain = WaitForDialog(floorId, "Floor");
    for (int i = 0; i < rounds; ++i) {
        PressButton(floorMain, 100);
        closeFloor.push_back(CloseTime(WaitForDialog(floorId, "Floor Child"), floorMain));
    }
    CloseDialog(floorMain);
    WaitForSingleObject(floorProcess, kWaitMs);
    CloseHandle(floorProcess);

    MainWindowSession session(DataFilesFor({kBench}));
    HWND main = session.Window();
    const struct { const char* what; int button; const char* caption; } fromMain[] = {
        {"closing the profile editor", IDC_EDIT_PROFILE, "Profile"},
        {"closing the Help Wizard", IDC_HELP_BUTTON, "Help Wizard"},
        {"closing a page window (Dreams)", IDC_DREAMS, " Dream Interpretation"},
    };
    for (const auto& window : fromMain) {
        Row row{window.what, {}, closeFloor, false};
        for (int i = 0; i < rounds; ++i) {
            session.Press(window.button);
            row.times.push_back(CloseTime(WaitForDialog(session.ProcessId(), window.caption), main));
        }
        Print(row);
    }
    // The composer opens from the Daily Analysis once a report is saved.
    session.Press(IDOK);
    HWND daily = WaitForDialogWhere(session.ProcessId(), [](HWND w) { return TextOf(w).rfind("Daily Analysis - ", 0) == 0; });
    PressButton(daily, IDC_DAILY_EMAIL);
    AnswerMessage(session.ProcessId());
    EnterFileName(WaitForDialog(session.ProcessId(), "Save Report"), ReportsDirectory() + "bench.jpg");
    AnswerMessage(session.ProcessId());
    Row composer{"closing the e-mail composer", {}, closeFloor, false};
    for (int i = 0; i < rounds; ++i) {
        if (i > 0)
            PressButton(daily, IDC_DAILY_EMAIL);
        composer.times.push_back(CloseTime(WaitForDialog(session.ProcessId(), "Email"), daily));
    }
    Print(composer);
    CloseAndWait(daily);
    session.Close();
    return 0;
}
