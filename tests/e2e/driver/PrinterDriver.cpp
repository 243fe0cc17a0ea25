#include "driver/PrinterDriver.h"

#include <winspool.h>

#include <algorithm>

namespace e2e {

namespace {

const char* const kPrinterName = "Oracline Test Printer";
const char* const kPpdName = "oracline-test.ppd";
// Where the test printer writes each job.
const char* const kPrintOutput = "C:\\oracline-print.ps";

// The PPD lives beside this source file; a Linux path is reached under Wine
// through drive Z:.
std::string SourcePpd()
{
    std::string path = __FILE__;
    path = path.substr(0, path.find_last_of("\\/")) + "\\..\\" + kPpdName;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path[0] == '\\' ? "Z:" + path : path;
}

// The Linux path of a Windows path, through Wine's own conversion.
std::string UnixPath(const std::string& windowsPath)
{
    // Looked up at run time: no import library has it.
    auto toUnix = reinterpret_cast<char*(CDECL*)(LPCWSTR)>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    const std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* converted = toUnix ? toUnix(wide.c_str()) : nullptr;
    if (!converted)
        return {};
    std::string result(converted);
    HeapFree(GetProcessHeap(), 0, converted);
    return result;
}

} // namespace

std::string InstallTestPrinter()
{
    auto fail = [](const std::string& what) { return what + " (error " + std::to_string(GetLastError()) + ")"; };
    DeleteFileA(kPrintOutput);
    // Wine's spooler copies a driver's files only from the system folder, so
    // the PPD is put into the driver folder (version-3 drivers live below the
    // environment's) directly; the driver's data file then names it there.
    char folder[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(folder), sizeof folder, &needed))
        return fail("GetPrinterDriverDirectoryA");
    std::string ppd = std::string(folder) + "\\3\\" + kPpdName;
    if (!FileExists(ppd) && !CopyFileA(SourcePpd().c_str(), ppd.c_str(), FALSE))
        return fail("copying " + SourcePpd() + " to " + ppd);

    std::string printerName = kPrinterName;
    HANDLE printer = nullptr;
    if (!OpenPrinterA(&printerName[0], &printer, nullptr)) {
        std::string driverFile = "wineps.drv";
        std::string dataType = "RAW";
        DRIVER_INFO_3A driver{};
        driver.cVersion = 3;
        driver.pName = &printerName[0];
        driver.pDriverPath = driver.pConfigFile = &driverFile[0];
        driver.pDataFile = &ppd[0];
        driver.pDefaultDataType = &dataType[0];
        if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES))
            return fail("AddPrinterDriverExA");
        std::string port = kPrintOutput;
        std::string processor = "WinPrint";
        PRINTER_INFO_2A info{};
        info.pPrinterName = info.pDriverName = &printerName[0];
        info.pPortName = &port[0];
        info.pPrintProcessor = &processor[0];
        info.pDatatype = &dataType[0];
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        printer = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
        if (!printer)
            return fail("AddPrinterA");
    }
    ClosePrinter(printer);
    char name[256] = {};
    DWORD size = sizeof name;
    if (!SetDefaultPrinterA(kPrinterName) || !GetDefaultPrinterA(name, &size) || name != printerName)
        return fail("making the test printer the default");
    return "";
}

Picture PrintedPage()
{
    // The same bytes twice in a row: the job has been written out.
    std::string last;
    int steady = 0;
    WaitUntil(kWaitMs, [&] {
        Sleep(80);
        const std::string now = ReadFileBytes(kPrintOutput);
        steady = !now.empty() && now == last ? steady + 1 : 0;
        last = now;
        return steady >= 2;
    });
    // Wine starts a Linux program as it does a Windows one but waits neither
    // for it nor for its output, so the picture is written under another name
    // and renamed when complete.
    const std::string picture = "C:\\oracline-print.png", drive = UnixPath("C:\\");
    DeleteFileA(picture.c_str());
    if (steady < 2 || drive.empty())
        return {};
    OutputOf("/bin/sh -c \"cd '" + drive + "' && gs -q -dSAFER -dNOPAUSE -dBATCH -sDEVICE=png16m -r" +
             std::to_string(kPrintDotsPerInch) + " -sOutputFile=oracline-print.part oracline-print.ps" +
             " && mv oracline-print.part oracline-print.png\"");
    const bool drawn = WaitUntil(30000, [&] { return FileExists(picture); });
    DeleteFileA(kPrintOutput);
    return drawn ? DecodeImage(picture) : Picture{};
}

bool AnswerPrintDialog(DWORD processId, int button)
{
    HWND print = WaitForDialog(processId, "Print");
    PressButton(print, button);
    return print && WaitUntilGone(print);
}

} // namespace e2e
