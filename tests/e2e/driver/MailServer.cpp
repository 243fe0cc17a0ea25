#include "driver/MailServer.h"

#include "driver/Driver.h"

#include <wincred.h>
#include <wincrypt.h>

#include <cstdio>
#include <cstdlib>

namespace e2e {

namespace {

const std::string kServerFolder = "C:\\oracline-smtp\\";
const wchar_t* const kCredential = L"Oracline Mail";

} // namespace

bool ReadMailServerPorts(MailServerPorts& ports)
{
    const std::string text = ReadFileBytes(kServerFolder + "ports.txt");
    return std::sscanf(text.c_str(), "starttls %d tls %d untrusted %d stopped %d", &ports.startTls, &ports.tls,
                       &ports.untrusted, &ports.stopped) == 4;
}

bool TrustTestAuthority()
{
    const std::string der = ReadFileBytes(kServerFolder + "authority.der");
    HCERTSTORE roots = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, L"Root");
    if (!roots || der.empty())
        return false;
    const BOOL added = CertAddEncodedCertificateToStore(roots, X509_ASN_ENCODING,
                                                        reinterpret_cast<const BYTE*>(der.data()),
                                                        static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING,
                                                        nullptr);
    CertCloseStore(roots, 0);
    return added != FALSE;
}

std::string ReceivedMail(int n) { return ReadFileBytes(kServerFolder + std::to_string(n) + ".txt"); }

std::string ReceivedAttachment(int n, int k)
{
    return ReadFileBytes(kServerFolder + std::to_string(n) + "-" + std::to_string(k) + ".bin");
}

std::string MailPassword()
{
    const char* password = std::getenv("ORACLINE_MAIL_PASSWORD");
    return password ? password : "";
}

void SetStoredMailPassword(const std::string& password)
{
    std::wstring secret(password.begin(), password.end());
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = const_cast<wchar_t*>(kCredential);
    credential.CredentialBlobSize = static_cast<DWORD>(secret.size() * sizeof(wchar_t));
    credential.CredentialBlob = reinterpret_cast<BYTE*>(&secret[0]);
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    CredWriteW(&credential, 0);
}

void RemoveStoredMailPassword() { CredDeleteW(kCredential, CRED_TYPE_GENERIC, 0); }

} // namespace e2e
