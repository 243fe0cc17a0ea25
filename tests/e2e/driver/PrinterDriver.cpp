#include "driver/PrinterDriver.h"

#include "driver/Driver.h"

#include <winspool.h>

#include <vector>

namespace e2e {

const char* const kTestPrinterName = "Oracline Test Printer";

namespace {

const char* const kPpdName = "oracline-test.ppd";

// The spooler's calls are looked up at run time so the driver library needs
// no link library beyond the ones every test already has.
struct Spooler {
    HMODULE module = LoadLibraryA("winspool.drv");
    template <typename Function>
    Function Get(const char* name) const
    {
        return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
    }
};

std::string ExecutableDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path);
    const size_t slash = text.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : text.substr(0, slash + 1);
}

// The PPD lives in the source tree next to the tests; the test executable
// sits in a build folder somewhere below the tree's root, so look upwards.
std::string FindPpd()
{
    std::string directory = ExecutableDirectory();
    for (int level = 0; level < 8 && !directory.empty(); ++level) {
        const std::string candidate = directory + "tests\\e2e\\" + kPpdName;
        if (FileExists(candidate))
            return candidate;
        directory.pop_back();
        const size_t slash = directory.find_last_of("\\/");
        if (slash == std::string::npos)
            break;
        directory.resize(slash + 1);
    }
    return {};
}

bool IsDefaultPrinter(const Spooler& spooler)
{
    using GetDefaultFn = BOOL(WINAPI*)(LPSTR, LPDWORD);
    auto getDefault = spooler.Get<GetDefaultFn>("GetDefaultPrinterA");
    char name[256] = {};
    DWORD size = sizeof name;
    return getDefault && getDefault(name, &size) && std::string(name) == kTestPrinterName;
}

} // namespace

std::string PrintOutputPath()
{
    return "C:\\oracline-print.ps";
}

bool InstallTestPrinter(std::string* problem)
{
    auto fail = [&](const std::string& what) {
        if (problem)
            *problem = what + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    };
    Spooler spooler;
    using OpenPrinterFn = BOOL(WINAPI*)(LPSTR, LPHANDLE, LPPRINTER_DEFAULTSA);
    using ClosePrinterFn = BOOL(WINAPI*)(HANDLE);
    using AddDriverFn = BOOL(WINAPI*)(LPSTR, DWORD, LPBYTE, DWORD);
    using AddPrinterFn = HANDLE(WINAPI*)(LPSTR, DWORD, LPBYTE);
    using SetDefaultFn = BOOL(WINAPI*)(LPCSTR);
    auto openPrinter = spooler.Get<OpenPrinterFn>("OpenPrinterA");
    auto closePrinter = spooler.Get<ClosePrinterFn>("ClosePrinter");
    auto addDriver = spooler.Get<AddDriverFn>("AddPrinterDriverExA");
    auto addPrinter = spooler.Get<AddPrinterFn>("AddPrinterA");
    auto setDefault = spooler.Get<SetDefaultFn>("SetDefaultPrinterA");
    if (!openPrinter || !closePrinter || !addDriver || !addPrinter || !setDefault)
        return fail("winspool.drv lacks the printer calls");

    // Wine's spooler copies a driver's files only from the system folder, so
    // the PPD is put into the driver folder directly; the driver's data file
    // then names it there.
    using DriverDirectoryFn = BOOL(WINAPI*)(LPSTR, LPSTR, DWORD, LPBYTE, DWORD, LPDWORD);
    auto driverDirectory = spooler.Get<DriverDirectoryFn>("GetPrinterDriverDirectoryA");
    char folder[MAX_PATH] = {};
    DWORD needed = 0;
    if (!driverDirectory || !driverDirectory(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(folder), sizeof folder, &needed))
        return fail("GetPrinterDriverDirectoryA");
    // The folder given is the environment's; version-3 drivers live below it.
    std::string ppd = std::string(folder) + "\\3\\" + kPpdName;
    if (!FileExists(ppd)) {
        const std::string source = FindPpd();
        if (source.empty())
            return fail(std::string("no ") + kPpdName + " above the test executable");
        if (!CopyFileA(source.c_str(), ppd.c_str(), FALSE))
            return fail("copying " + source + " to " + ppd);
    }

    std::string printerName = kTestPrinterName;
    HANDLE printer = nullptr;
    if (openPrinter(&printerName[0], &printer, nullptr)) {
        closePrinter(printer);
    } else {
        std::string driverFile = "wineps.drv";
        std::string dataType = "RAW";
        DRIVER_INFO_3A driver{};
        driver.cVersion = 3;
        driver.pName = &printerName[0];
        driver.pDriverPath = &driverFile[0];
        driver.pConfigFile = &driverFile[0];
        driver.pDataFile = &ppd[0];
        driver.pDefaultDataType = &dataType[0];
        if (!addDriver(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES))
            return fail("AddPrinterDriverExA");

        std::string port = PrintOutputPath();
        std::string processor = "WinPrint";
        PRINTER_INFO_2A info{};
        info.pPrinterName = &printerName[0];
        info.pPortName = &port[0];
        info.pDriverName = &printerName[0];
        info.pPrintProcessor = &processor[0];
        info.pDatatype = &dataType[0];
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        printer = addPrinter(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
        if (!printer)
            return fail("AddPrinterA");
        closePrinter(printer);
    }
    if (!IsDefaultPrinter(spooler) && !setDefault(kTestPrinterName))
        return fail("SetDefaultPrinterA");
    if (!IsDefaultPrinter(spooler))
        return fail("the test printer is not the default");
    return true;
}

HWND WaitForPrintDialog(DWORD processId, DWORD timeoutMs)
{
    return WaitForDialog(processId, "Print", timeoutMs);
}

void AcceptPrintDialog(HWND dialog)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void CancelPrintDialog(HWND dialog)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

std::string WaitForPrintOutput(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    std::string last;
    int steady = 0;
    while (GetTickCount() - start < timeoutMs) {
        std::string now = ReadFileBytes(PrintOutputPath());
        if (!now.empty() && now == last) {
            // The same bytes twice in a row: the job has been written out.
            if (++steady >= 2)
                return now;
        } else {
            steady = 0;
        }
        last = now;
        Sleep(100);
    }
    return last;
}

namespace {

// The Linux path of a Windows path, through Wine's own conversion.
std::string UnixPath(const std::string& windowsPath)
{
    using ToUnixFn = char*(CDECL*)(LPCWSTR);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto toUnix = kernel ? reinterpret_cast<ToUnixFn>(
                               reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_unix_file_name")))
                         : nullptr;
    if (!toUnix)
        return {};
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* converted = toUnix(wide.c_str());
    if (!converted)
        return {};
    std::string result(converted);
    HeapFree(GetProcessHeap(), 0, converted);
    return result;
}

} // namespace

std::string RenderPrintOutput(int dotsPerInch)
{
    const std::string picture = "C:\\oracline-print.png";
    const std::string partial = "C:\\oracline-print.part";
    DeleteFileA(picture.c_str());
    DeleteFileA(partial.c_str());
    if (!FileExists(PrintOutputPath()))
        return {};
    const std::string source = UnixPath(PrintOutputPath());
    // The partial file must exist before it can be converted to a Linux path.
    WriteFileBytes(partial, "");
    const std::string partialUnix = UnixPath(partial);
    const std::string pictureUnix = partialUnix.substr(0, partialUnix.size() - 5) + ".png";
    if (source.empty() || partialUnix.empty())
        return {};
    std::string command = "/bin/sh -c \"gs -q -dSAFER -dNOPAUSE -dBATCH -sDEVICE=png16m -r" +
                          std::to_string(dotsPerInch) + " '-sOutputFile=" + partialUnix + "' '" + source +
                          "' && mv '" + partialUnix + "' '" + pictureUnix + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {};
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 30000) {
        if (FileExists(picture))
            return picture;
        Sleep(100);
    }
    return {};
}

} // namespace e2e
