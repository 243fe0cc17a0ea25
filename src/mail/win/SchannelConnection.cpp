#include "mail/win/SchannelConnection.h"

#include "win/WideText.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#define SECURITY_WIN32
// SCH_CREDENTIALS, the structure that can offer TLS 1.3, is declared only
// with this, and needs UNICODE_STRING from subauth.h.
#define SCHANNEL_USE_BLACKLISTS
#include <subauth.h>
#include <schannel.h>
#include <security.h>
#include <wincrypt.h>

#include "win/ScopedHandle.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace {

inline SOCKET NoSocket() { return INVALID_SOCKET; }
inline void CloseSocket(SOCKET socket) { closesocket(socket); }
inline PCCERT_CONTEXT NoCertificate() { return nullptr; }
inline void FreeCertificate(PCCERT_CONTEXT certificate) { CertFreeCertificateContext(certificate); }
inline PCCERT_CHAIN_CONTEXT NoChain() { return nullptr; }
inline void FreeChain(PCCERT_CHAIN_CONTEXT chain) { CertFreeCertificateChain(chain); }

using Socket = ScopedHandle<PlainHandleKind<SOCKET, NoSocket, CloseSocket>>;
using Certificate = ScopedHandle<PlainHandleKind<PCCERT_CONTEXT, NoCertificate, FreeCertificate>>;
using CertificateChain = ScopedHandle<PlainHandleKind<PCCERT_CHAIN_CONTEXT, NoChain, FreeChain>>;

// SSPI's handles are pairs of values, both -1 while they hold nothing.
template <typename H, SECURITY_STATUS(SEC_ENTRY* release)(H*)>
struct SspiHandleKind {
    using Handle = H;
    static Handle Invalid()
    {
        Handle handle;
        SecInvalidateHandle(&handle);
        return handle;
    }
    static bool IsValid(const Handle& handle) { return SecIsValidHandle(&handle); }
    static void Free(Handle& handle) { release(&handle); }
};

using Credentials = ScopedHandle<SspiHandleKind<CredHandle, FreeCredentialsHandle>>;
using SecurityContext = ScopedHandle<SspiHandleKind<CtxtHandle, DeleteSecurityContext>>;

// Winsock for the life of the connection: started before its socket is made
// and cleaned up after the socket is closed.
struct WinsockSession {
    WinsockSession() { started = WSAStartup(MAKEWORD(2, 2), &data) == 0; }
    ~WinsockSession()
    {
        if (started)
            WSACleanup();
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;

    WSADATA data{};
    bool started = false;
};

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

std::string Hex(long code)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
    return text;
}

// Why the system did not trust the certificate, in the user's words.
std::string CertificateProblem(DWORD error)
{
    switch (error) {
    case static_cast<DWORD>(CERT_E_UNTRUSTEDROOT): return "it is not issued by an authority this computer trusts";
    case static_cast<DWORD>(CERT_E_CN_NO_MATCH): return "it is issued for another name";
    case static_cast<DWORD>(CERT_E_EXPIRED): return "it has expired or is not valid yet";
    case static_cast<DWORD>(CERT_E_REVOKED): return "it has been revoked";
    case static_cast<DWORD>(CERT_E_WRONG_USAGE): return "it is not meant for a server";
    default: return "it cannot be verified (" + Hex(static_cast<long>(error)) + ")";
    }
}

class SchannelConnection final : public SmtpConnection {
public:
    // The members go in reverse order: the context, the credentials, the
    // socket, and Winsock last.
    ~SchannelConnection() override = default;

    bool Connect(const std::string& server, int port, milliseconds limit, std::string& detail) override
    {
        const Clock::time_point end = Clock::now() + limit;
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_protocol = IPPROTO_TCP;
        addrinfo* addresses = nullptr;
        if (!winsock_.started || getaddrinfo(server.c_str(), std::to_string(port).c_str(), &hints, &addresses) != 0) {
            detail = "the name " + server + " is not known";
            return false;
        }
        detail = "no answer in time";
        for (addrinfo* address = addresses; address && !socket_; address = address->ai_next) {
            Socket candidate(socket(address->ai_family, address->ai_socktype, address->ai_protocol));
            if (!candidate)
                continue;
            u_long nonBlocking = 1;
            ioctlsocket(candidate.Get(), FIONBIO, &nonBlocking);
            if (connect(candidate.Get(), address->ai_addr, static_cast<int>(address->ai_addrlen)) == 0 ||
                (WSAGetLastError() == WSAEWOULDBLOCK && Wait(candidate.Get(), false, end) &&
                 !SocketError(candidate.Get(), detail)))
                socket_ = std::move(candidate);
        }
        freeaddrinfo(addresses);
        return static_cast<bool>(socket_);
    }

    TlsResult StartTls(const std::string& server, milliseconds limit, std::string& detail) override
    {
        const Clock::time_point end = Clock::now() + limit;
        if (!AcquireCredentials()) {
            detail = "Windows offers no TLS here";
            return TlsResult::refused;
        }
        target_ = WideText(server);
        if (!Handshake(end, detail))
            return TlsResult::refused;
        if (QueryContextAttributesW(context_.Address(), SECPKG_ATTR_STREAM_SIZES, &sizes_) != SEC_E_OK) {
            detail = "the TLS connection has no usable sizes";
            return TlsResult::refused;
        }
        secure_ = true;
        return CheckCertificate(detail) ? TlsResult::secure : TlsResult::untrusted;
    }

    bool Send(const std::string& bytes, milliseconds limit) override
    {
        const Clock::time_point end = Clock::now() + limit;
        if (!secure_)
            return SendRaw(bytes.data(), bytes.size(), end);
        for (std::size_t done = 0; done < bytes.size();) {
            const std::size_t size = std::min<std::size_t>(bytes.size() - done, sizes_.cbMaximumMessage);
            std::vector<char> record(sizes_.cbHeader + size + sizes_.cbTrailer);
            std::copy(bytes.begin() + done, bytes.begin() + done + size, record.begin() + sizes_.cbHeader);
            SecBuffer buffers[4] = {{sizes_.cbHeader, SECBUFFER_STREAM_HEADER, record.data()},
                                    {static_cast<ULONG>(size), SECBUFFER_DATA, record.data() + sizes_.cbHeader},
                                    {sizes_.cbTrailer, SECBUFFER_STREAM_TRAILER, record.data() + sizes_.cbHeader + size},
                                    {0, SECBUFFER_EMPTY, nullptr}};
            SecBufferDesc message{SECBUFFER_VERSION, 4, buffers};
            if (EncryptMessage(context_.Address(), 0, &message, 0) != SEC_E_OK ||
                !SendRaw(record.data(), buffers[0].cbBuffer + buffers[1].cbBuffer + buffers[2].cbBuffer, end))
                return false;
            done += size;
        }
        return true;
    }

    Received Receive(std::string& bytes, milliseconds limit) override
    {
        const Clock::time_point end = Clock::now() + limit;
        if (!secure_)
            return ReceiveRaw(bytes, end);
        while (plain_.empty()) {
            if (!encrypted_.empty()) {
                const SECURITY_STATUS status = Decrypt(end);
                if (status == SEC_E_OK)
                    continue;
                if (status != SEC_E_INCOMPLETE_MESSAGE)
                    return Received::closed;
            }
            const Received more = ReceiveRaw(encrypted_, end);
            if (more != Received::data)
                return more;
        }
        bytes += plain_;
        plain_.clear();
        return Received::data;
    }

private:
    static bool Wait(SOCKET socket, bool reading, Clock::time_point end)
    {
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(end - Clock::now()).count();
        if (left <= 0)
            return false;
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(socket, &ready);
        fd_set failed;
        FD_ZERO(&failed);
        FD_SET(socket, &failed);
        timeval wait{static_cast<long>(left / 1000000), static_cast<long>(left % 1000000)};
        return select(0, reading ? &ready : nullptr, reading ? nullptr : &ready, &failed, &wait) > 0;
    }

    static bool SocketError(SOCKET socket, std::string& detail)
    {
        int error = 0;
        int size = sizeof error;
        getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
        if (error == WSAECONNREFUSED)
            detail = "the connection was refused";
        else if (error != 0)
            detail = "the connection failed (Winsock error " + std::to_string(error) + ")";
        return error != 0;
    }

    bool SendRaw(const char* data, std::size_t size, Clock::time_point end)
    {
        while (size > 0) {
            const int sent = send(socket_.Get(), data, static_cast<int>(std::min<std::size_t>(size, 1 << 20)), 0);
            if (sent > 0) {
                data += sent;
                size -= static_cast<std::size_t>(sent);
            } else if (WSAGetLastError() != WSAEWOULDBLOCK || !Wait(socket_.Get(), false, end)) {
                return false;
            }
        }
        return true;
    }

    Received ReceiveRaw(std::string& bytes, Clock::time_point end)
    {
        char block[16384];
        for (;;) {
            const int got = recv(socket_.Get(), block, sizeof block, 0);
            if (got > 0) {
                bytes.append(block, static_cast<std::size_t>(got));
                return Received::data;
            }
            if (got == 0 || WSAGetLastError() != WSAEWOULDBLOCK)
                return Received::closed;
            if (!Wait(socket_.Get(), true, end))
                return Clock::now() >= end ? Received::timedOut : Received::closed;
        }
    }

    // The newer credentials first, which let Windows offer TLS 1.3 where it
    // has it; Windows before them (before Windows 10 1809) refuses them, and
    // gets the older ones with TLS 1.2. Either way nothing older than TLS 1.2
    // is offered, and the certificate is checked below, where the reason can
    // be told.
    bool AcquireCredentials()
    {
        const DWORD flags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS | SCH_USE_STRONG_CRYPTO;
        wchar_t package[] = UNISP_NAME_W;
        TimeStamp expiry{};
        TLS_PARAMETERS tls{};
        tls.grbitDisabledProtocols = static_cast<DWORD>(~(SP_PROT_TLS1_2_CLIENT | SP_PROT_TLS1_3_CLIENT));
        SCH_CREDENTIALS newer{};
        newer.dwVersion = SCH_CREDENTIALS_VERSION;
        newer.dwFlags = flags;
        newer.cTlsParameters = 1;
        newer.pTlsParameters = &tls;
        if (AcquireCredentialsHandleW(nullptr, package, SECPKG_CRED_OUTBOUND, nullptr, &newer, nullptr, nullptr,
                                      credentials_.Receive(), &expiry) == SEC_E_OK)
            return true;
        // A refusal leaves no handle to free, whatever it left in the place.
        credentials_.Release();
        SCHANNEL_CRED older{};
        older.dwVersion = SCHANNEL_CRED_VERSION;
        older.dwFlags = flags;
        older.grbitEnabledProtocols = SP_PROT_TLS1_2_CLIENT;
        if (AcquireCredentialsHandleW(nullptr, package, SECPKG_CRED_OUTBOUND, nullptr, &older, nullptr, nullptr,
                                      credentials_.Receive(), &expiry) == SEC_E_OK)
            return true;
        credentials_.Release();
        return false;
    }

    // The TLS handshake, from the first message or (after a renegotiation
    // request) from what the server sent.
    bool Handshake(Clock::time_point end, std::string& detail)
    {
        const ULONG wanted = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT | ISC_REQ_CONFIDENTIALITY |
                             ISC_REQ_EXTENDED_ERROR | ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM |
                             ISC_REQ_MANUAL_CRED_VALIDATION;
        bool readFirst = context_ && encrypted_.empty();
        for (;;) {
            if (readFirst) {
                const Received got = ReceiveRaw(encrypted_, end);
                if (got != Received::data) {
                    detail = got == Received::timedOut ? "the TLS handshake took too long"
                                                       : "the server ended the connection during the TLS handshake";
                    return false;
                }
            }
            std::vector<char> input(encrypted_.begin(), encrypted_.end());
            SecBuffer in[2] = {{static_cast<ULONG>(input.size()), SECBUFFER_TOKEN, input.data()},
                               {0, SECBUFFER_EMPTY, nullptr}};
            SecBufferDesc inDesc{SECBUFFER_VERSION, 2, in};
            SecBuffer out[1] = {{0, SECBUFFER_TOKEN, nullptr}};
            SecBufferDesc outDesc{SECBUFFER_VERSION, 1, out};
            ULONG granted = 0;
            // The first call makes the context, the later ones carry it on.
            const bool first = !context_;
            const SECURITY_STATUS status = InitializeSecurityContextW(
                credentials_.Address(), first ? nullptr : context_.Address(), &target_[0], wanted, 0, 0,
                first ? nullptr : &inDesc, 0, first ? context_.Receive() : nullptr, &outDesc, &granted, nullptr);
            if (out[0].pvBuffer) {
                const bool sent = out[0].cbBuffer == 0 ||
                                  SendRaw(static_cast<const char*>(out[0].pvBuffer), out[0].cbBuffer, end);
                FreeContextBuffer(out[0].pvBuffer);
                if (!sent) {
                    detail = "the server ended the connection during the TLS handshake";
                    return false;
                }
            }
            if (status == SEC_E_INCOMPLETE_MESSAGE) {
                readFirst = true;
                continue;
            }
            if (status != SEC_E_OK && status != SEC_I_CONTINUE_NEEDED && status != SEC_I_INCOMPLETE_CREDENTIALS) {
                detail = status == SEC_E_ILLEGAL_MESSAGE ? "the server's answer is not TLS"
                                                         : "the TLS handshake failed (" + Hex(status) + ")";
                return false;
            }
            if (in[1].BufferType == SECBUFFER_EXTRA && in[1].cbBuffer <= encrypted_.size())
                encrypted_ = encrypted_.substr(encrypted_.size() - in[1].cbBuffer);
            else if (status != SEC_I_INCOMPLETE_CREDENTIALS)
                encrypted_.clear();
            if (status == SEC_E_OK)
                return true;
            readFirst = encrypted_.empty();
        }
    }

    SECURITY_STATUS Decrypt(Clock::time_point end)
    {
        std::vector<char> record(encrypted_.begin(), encrypted_.end());
        SecBuffer buffers[4] = {{static_cast<ULONG>(record.size()), SECBUFFER_DATA, record.data()},
                                {0, SECBUFFER_EMPTY, nullptr},
                                {0, SECBUFFER_EMPTY, nullptr},
                                {0, SECBUFFER_EMPTY, nullptr}};
        SecBufferDesc message{SECBUFFER_VERSION, 4, buffers};
        const SECURITY_STATUS status = DecryptMessage(context_.Address(), &message, 0, nullptr);
        if (status != SEC_E_OK && status != SEC_I_RENEGOTIATE)
            return status;
        std::string extra;
        for (const SecBuffer& buffer : buffers) {
            if (buffer.BufferType == SECBUFFER_DATA)
                plain_.append(static_cast<const char*>(buffer.pvBuffer), buffer.cbBuffer);
            if (buffer.BufferType == SECBUFFER_EXTRA)
                extra.assign(static_cast<const char*>(buffer.pvBuffer), buffer.cbBuffer);
        }
        encrypted_ = extra;
        if (status == SEC_I_RENEGOTIATE) {
            // TLS 1.3 servers send tickets after the handshake; Schannel
            // hands them back to the handshake, which ends when the answer
            // being read must.
            std::string ignored;
            return Handshake(end, ignored) ? SEC_E_OK : SEC_E_INTERNAL_ERROR;
        }
        return SEC_E_OK;
    }

    bool CheckCertificate(std::string& detail)
    {
        Certificate certificate;
        if (QueryContextAttributesW(context_.Address(), SECPKG_ATTR_REMOTE_CERT_CONTEXT, certificate.Receive()) !=
                SEC_E_OK ||
            !certificate) {
            detail = "it did not send one";
            return false;
        }
        char serverUsage[] = szOID_PKIX_KP_SERVER_AUTH;
        LPSTR usages[] = {serverUsage};
        CERT_CHAIN_PARA chainPara{};
        chainPara.cbSize = sizeof chainPara;
        chainPara.RequestedUsage.dwType = USAGE_MATCH_TYPE_OR;
        chainPara.RequestedUsage.Usage.cUsageIdentifier = 1;
        chainPara.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
        CertificateChain chain;
        // Nothing is fetched from the network: not revocation lists, and not
        // issuers named in the certificate (a server that sends its chain
        // needs none). An address that never answers would hold the send
        // past its limit, and Windows' own time-out for such a fetch holds
        // for each address, not for the chain.
        const BOOL built =
            CertGetCertificateChain(nullptr, certificate.Get(), nullptr, certificate.Get()->hCertStore, &chainPara,
                                    CERT_CHAIN_CACHE_ONLY_URL_RETRIEVAL, nullptr, chain.Receive());
        certificate.Reset();
        if (!built || !chain) {
            detail = "it cannot be verified";
            return false;
        }
        // The chain's own verdict first: not every policy check looks at a
        // chain that ends in no root at all.
        const DWORD chainErrors = chain.Get()->TrustStatus.dwErrorStatus;
        if (chainErrors != CERT_TRUST_NO_ERROR) {
            detail = CertificateProblem(
                chainErrors & (CERT_TRUST_IS_UNTRUSTED_ROOT | CERT_TRUST_IS_PARTIAL_CHAIN) ? static_cast<DWORD>(CERT_E_UNTRUSTEDROOT)
                : chainErrors & CERT_TRUST_IS_NOT_TIME_VALID                             ? static_cast<DWORD>(CERT_E_EXPIRED)
                : chainErrors & CERT_TRUST_IS_REVOKED                                    ? static_cast<DWORD>(CERT_E_REVOKED)
                : chainErrors & CERT_TRUST_IS_NOT_VALID_FOR_USAGE ? static_cast<DWORD>(CERT_E_WRONG_USAGE)
                                                                  : static_cast<DWORD>(CERT_E_CHAINING));
            return false;
        }
        SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl{};
        ssl.cbSize = sizeof ssl;
        ssl.dwAuthType = AUTHTYPE_SERVER;
        ssl.pwszServerName = &target_[0];
        CERT_CHAIN_POLICY_PARA policy{};
        policy.cbSize = sizeof policy;
        policy.pvExtraPolicyPara = &ssl;
        CERT_CHAIN_POLICY_STATUS status{};
        status.cbSize = sizeof status;
        const BOOL checked = CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain.Get(), &policy, &status);
        chain.Reset();
        if (checked && status.dwError == 0)
            return true;
        detail = CertificateProblem(checked ? status.dwError : static_cast<DWORD>(CERT_E_CHAINING));
        return false;
    }

    WinsockSession winsock_;
    Socket socket_;
    Credentials credentials_;
    SecurityContext context_;
    std::wstring target_;
    SecPkgContext_StreamSizes sizes_{};
    bool secure_ = false;
    std::string encrypted_;  // received, not yet decrypted
    std::string plain_;      // decrypted, not yet handed out
};

} // namespace

std::unique_ptr<SmtpConnection> CreateSchannelConnection() { return std::make_unique<SchannelConnection>(); }
