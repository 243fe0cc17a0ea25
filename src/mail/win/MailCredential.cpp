#include "mail/win/MailCredential.h"

#include "base/WipedText.h"
#include "win/WideText.h"

#include <windows.h>
#include <wincred.h>

namespace {

// Reads the credential and hands it to `use`; the secret is wiped before the
// memory goes back.
template <typename Use>
bool WithCredential(Use use)
{
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(WideText(kMailCredentialName).c_str(), CRED_TYPE_GENERIC, 0, &credential) || !credential)
        return false;
    const std::string binding = credential->Comment ? NarrowText(credential->Comment, wcslen(credential->Comment)) : "";
    use(*credential, binding);
    if (credential->CredentialBlob)
        SecureZeroMemory(credential->CredentialBlob, credential->CredentialBlobSize);
    CredFree(credential);
    return true;
}

} // namespace

bool StoreMailPassword(const MailSettings& settings, const std::string& password)
{
    std::wstring target = WideText(kMailCredentialName);
    std::wstring userName = WideText(settings.user);
    std::wstring binding = WideText(MailPasswordBinding(settings));
    std::wstring secret = WideText(password);
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = &target[0];
    credential.UserName = userName.empty() ? nullptr : &userName[0];
    credential.Comment = &binding[0];
    credential.CredentialBlobSize = static_cast<DWORD>(secret.size() * sizeof(wchar_t));
    credential.CredentialBlob = secret.empty() ? nullptr : reinterpret_cast<LPBYTE>(&secret[0]);
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    const bool stored = CredWriteW(&credential, 0) != FALSE;
    WipeText(secret);
    return stored;
}

bool ReadMailPassword(const MailSettings& settings, std::string& utf8Password)
{
    WipeText(utf8Password);
    const std::string wanted = MailPasswordBinding(settings);
    WithCredential([&](const CREDENTIALW& credential, const std::string& binding) {
        if (binding == wanted && credential.CredentialBlob)
            utf8Password = NarrowText(reinterpret_cast<const wchar_t*>(credential.CredentialBlob),
                                        credential.CredentialBlobSize / sizeof(wchar_t));
    });
    return !utf8Password.empty();
}

std::string StoredMailPasswordBinding()
{
    std::string stored;
    WithCredential([&](const CREDENTIALW&, const std::string& binding) { stored = binding; });
    return stored;
}
