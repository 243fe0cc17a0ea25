#include "mail/win/SimpleMapiSender.h"

#include "base/AsciiText.h"
#include "base/PathText.h"
#include "mail/MapiResult.h"
#include "win/SystemFolder.h"

#include <windows.h>
#include <mapi.h>

#include <new>
#include <optional>
#include <string>
#include <vector>

namespace {

// The library is mapped once for the whole process. Senders may overlap (the
// composer and a scheduled run never do, but nothing forbids it), so the last
// one alive unloads it rather than the first one destroyed.
HMODULE gMapiLibrary = nullptr;
int gLiveSenders = 0;

// Only the System32 library: a mapi32.dll dropped beside the program in the
// shared folder would otherwise run inside whoever sends mail. On Windows the
// System32 stub hands over to the user's default mail client. Systems whose
// loader predates the search flags refuse them with ERROR_INVALID_PARAMETER;
// there the full System32 path does the same.
HMODULE LoadMailLibrary()
{
    HMODULE library = LoadLibraryExA("mapi32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library || GetLastError() != ERROR_INVALID_PARAMETER)
        return library;
    const std::string path = SystemFilePath("mapi32.dll");
    return path.empty() ? nullptr : LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// Wine registers its own library as the default mail program of every
// prefix ("Native Mail Client"). It hands the mail to the desktop's mail
// link or a browser and answers success, with no mail program behind it.
bool IsWineMailHandOff(const std::string& libraryPath)
{
    const std::string name = LowerAscii(FileNameOf(libraryPath, PathSeparators::either));
    return name == "winemapi.dll";
}

// The default mail program's key names its Simple MAPI library.
bool HasMapiLibraryValue(HKEY root, const std::string& program)
{
    const std::string key = "Software\\Clients\\Mail\\" + program;
    for (const char* value : {"DLLPathEx", "DLLPath"}) {
        char path[MAX_PATH] = {};
        DWORD size = sizeof path;
        if (RegGetValueA(root, key.c_str(), value, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, path, &size) ==
                ERROR_SUCCESS &&
            path[0] != '\0' && !IsWineMailHandOff(path))
            return true;
    }
    return false;
}

// The windows of this thread that MAPISendMail must not let the user reach
// while it blocks: every enabled top-level window, and among them the active
// one, which the mail client may use as its owner.
class ModalFreeze {
public:
    ModalFreeze()
    {
        HWND active = GetActiveWindow();
        owner_ = active ? GetAncestor(active, GA_ROOT) : nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &ModalFreeze::Collect, reinterpret_cast<LPARAM>(this));
        for (HWND window : disabled_)
            EnableWindow(window, FALSE);
        if (owner_) {
            SetCapture(owner_);
            SetFocus(nullptr);
            if (IsWindowEnabled(owner_)) {
                EnableWindow(owner_, FALSE);
                disabled_.push_back(owner_);
            }
        }
    }
    ~ModalFreeze()
    {
        if (owner_)
            ReleaseCapture();
        for (HWND window : disabled_)
            if (IsWindow(window))
                EnableWindow(window, TRUE);
        if (owner_ && IsWindow(owner_)) {
            SetActiveWindow(owner_);
            SetFocus(owner_);
        }
    }
    ModalFreeze(const ModalFreeze&) = delete;
    ModalFreeze& operator=(const ModalFreeze&) = delete;

    HWND Owner() const { return owner_; }

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self)
    {
        if (IsWindowVisible(window) && IsWindowEnabled(window))
            reinterpret_cast<ModalFreeze*>(self)->disabled_.push_back(window);
        return TRUE;
    }

    HWND owner_ = nullptr;
    std::vector<HWND> disabled_;
};

class SimpleMapiSender final : public MailSender {
public:
    explicit SimpleMapiSender(MailWindows windows) : windows_(windows)
    {
        ++gLiveSenders;
        if (!gMapiLibrary)
            gMapiLibrary = LoadMailLibrary();
        if (!gMapiLibrary)
            return;
        sendMail_ = reinterpret_cast<LPMAPISENDMAIL>(
            reinterpret_cast<void (*)()>(GetProcAddress(gMapiLibrary, "MAPISendMail")));
        if (!GetProcAddress(gMapiLibrary, "MAPILogon"))
            sendMail_ = nullptr;
    }

    ~SimpleMapiSender() override
    {
        if (--gLiveSenders == 0 && gMapiLibrary) {
            FreeLibrary(gMapiLibrary);
            gMapiLibrary = nullptr;
        }
    }

    // Whether the library and both entry points were found and a mail
    // program takes mail.
    bool CanSend() const { return sendMail_ != nullptr && HasMailProgram(); }

    SendReport Send(const OutgoingMail& mail) override
    {
        if (!CanSend())
            return NoMailLibraryReport();
        // A path to nothing would make most clients fail the whole message
        // without saying why.
        for (const OutgoingAttachment& attachment : mail.attachments) {
            const DWORD attributes = GetFileAttributesA(attachment.path.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
                return NotFilledReport();
        }
        // Without memory for the copies Simple MAPI is handed, the mail stays
        // unsent, as one missing a part.
        try {
            return HandOver(mail);
        } catch (const std::bad_alloc&) {
            return NotFilledReport();
        }
    }

private:
    SendReport HandOver(const OutgoingMail& mail)
    {
        // Simple MAPI's structures point into writable copies of the texts.
        std::vector<std::string> names = mail.recipients;
        std::vector<OutgoingAttachment> attachments = mail.attachments;
        std::string subject = mail.subject;
        std::string originatorName = mail.originator;
        // Simple MAPI puts each attachment at a character of the note; one
        // blank per attachment after the text gives each a place of its own.
        std::string body = mail.body;
        const std::size_t textLength = body.size();
        body.append(attachments.size(), ' ');

        std::vector<MapiRecipDesc> recipients(names.size());
        std::vector<std::string> addresses;
        for (const std::string& recipient : names)
            addresses.push_back("SMTP:" + recipient);
        for (std::size_t i = 0; i < names.size(); ++i) {
            recipients[i] = MapiRecipDesc{};
            recipients[i].ulRecipClass = MAPI_TO;
            // An address of its own: a mail client resolves a bare name
            // against its address book, which may turn it into another
            // address or a whole list.
            recipients[i].lpszName = &names[i][0];
            recipients[i].lpszAddress = &addresses[i][0];
        }
        std::vector<MapiFileDesc> files(attachments.size());
        for (std::size_t i = 0; i < attachments.size(); ++i) {
            files[i] = MapiFileDesc{};
            files[i].nPosition = static_cast<ULONG>(textLength + i);
            files[i].lpszPathName = &attachments[i].path[0];
            if (!attachments[i].displayName.empty())
                files[i].lpszFileName = &attachments[i].displayName[0];
        }
        MapiRecipDesc originator{};
        originator.ulRecipClass = MAPI_ORIG;
        if (!originatorName.empty())
            originator.lpszName = &originatorName[0];
        MapiMessage message{};
        message.lpszSubject = &subject[0];
        message.lpszNoteText = &body[0];
        message.lpOriginator = &originator;
        message.nRecipCount = static_cast<ULONG>(recipients.size());
        message.lpRecips = recipients.empty() ? nullptr : recipients.data();
        message.nFileCount = static_cast<ULONG>(files.size());
        message.lpFiles = files.empty() ? nullptr : files.data();

        ULONG result;
        {
            // Asking a windowless run for its windows would start the
            // display for nothing (under Wine, most of a plain-text run).
            std::optional<ModalFreeze> freeze;
            if (windows_ == MailWindows::freeze)
                freeze.emplace();
            result = sendMail_(0, reinterpret_cast<ULONG_PTR>(freeze ? freeze->Owner() : nullptr), &message,
                               MAPI_LOGON_UI, 0);
        }
        return MapiSendReport(result);
    }

    const MailWindows windows_;
    LPMAPISENDMAIL sendMail_ = nullptr;
};
} // namespace

bool HasMailProgram()
{
    for (HKEY chooser : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        char program[256] = {};
        DWORD size = sizeof program;
        if (RegGetValueA(chooser, "Software\\Clients\\Mail", nullptr, RRF_RT_REG_SZ, nullptr, program, &size) !=
                ERROR_SUCCESS ||
            program[0] == '\0')
            continue;
        return HasMapiLibraryValue(HKEY_CURRENT_USER, program) || HasMapiLibraryValue(HKEY_LOCAL_MACHINE, program);
    }
    return false;
}

std::unique_ptr<MailSender> CreateMailSender(MailWindows windows) { return std::make_unique<SimpleMapiSender>(windows); }

bool CanSendThroughMailProgram() { return SimpleMapiSender(MailWindows::none).CanSend(); }
