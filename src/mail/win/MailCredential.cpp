#include "mail/win/MailCredential.h"

#include "mail/MailSettings.h"
#include "win/WideText.h"

#include <windows.h>
#include <wincred.h>

bool StoreMailPassword(const std::string& user, const std::string& password)
{
    std::wstring target = WideText(kMailCredentialName);
    std::wstring userName = WideText(user);
    std::wstring secret = WideText(password);
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = &target[0];
    credential.UserName = userName.empty() ? nullptr : &userName[0];
    credential.CredentialBlobSize = static_cast<DWORD>(secret.size() * sizeof(wchar_t));
    credential.CredentialBlob = secret.empty() ? nullptr : reinterpret_cast<LPBYTE>(&secret[0]);
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    const bool stored = CredWriteW(&credential, 0) != FALSE;
    SecureZeroMemory(&secret[0], secret.size() * sizeof(wchar_t));
    return stored;
}

bool ReadMailPassword(std::string& utf8Password)
{
    utf8Password.clear();
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(WideText(kMailCredentialName).c_str(), CRED_TYPE_GENERIC, 0, &credential) || !credential)
        return false;
    utf8Password = Utf8FromWide(reinterpret_cast<const wchar_t*>(credential->CredentialBlob),
                                credential->CredentialBlobSize / sizeof(wchar_t));
    SecureZeroMemory(credential->CredentialBlob, credential->CredentialBlobSize);
    CredFree(credential);
    return true;
}
