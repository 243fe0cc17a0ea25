#pragma once
// One mail handed to the mail server over SMTP: connect, TLS (at once, or
// after STARTTLS), EHLO, sign-in with AUTH PLAIN or LOGIN only once the
// connection is encrypted, the envelope and the message. Every answer has a
// time limit and the whole send one more, so an unattended run never hangs.
// The connection itself (sockets, TLS, the certificate check) is the
// platform's, behind SmtpConnection.
#include "mail/MailSettings.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

enum class Received { data, closed, timedOut };
enum class TlsResult { secure, refused, untrusted };

class SmtpConnection {
public:
    virtual ~SmtpConnection() = default;
    // False when no address of the server took the connection in time;
    // `detail` says what happened ("connection refused", "timed out").
    virtual bool Connect(const std::string& server, int port, std::chrono::milliseconds limit,
                         std::string& detail) = 0;
    // Encrypts the connection from here on. The server's certificate must
    // chain to a root the system trusts and name `server`; otherwise
    // `untrusted`, with the reason in `detail`. There is no way around it.
    // The handshake and the certificate check both end within `limit`.
    virtual TlsResult StartTls(const std::string& server, std::chrono::milliseconds limit, std::string& detail) = 0;
    virtual bool Send(const std::string& bytes, std::chrono::milliseconds limit) = 0;
    // Appends what arrived (at least one byte) to `bytes`; whatever TLS does
    // meanwhile (a renegotiation) ends within `limit` too. A limit of zero
    // takes only what has arrived already.
    virtual Received Receive(std::string& bytes, std::chrono::milliseconds limit) = 0;
};

// `reply` holds for each whole answer, from the command sent to its last
// line, however the server spreads its bytes; `whole` for everything from
// the first connect to the answer after the message.
struct SmtpLimits {
    std::chrono::milliseconds connect{15000};
    std::chrono::milliseconds reply{30000};
    std::chrono::milliseconds whole{60000};
};

// Where the session reads the time; tests give it a clock that moves only
// when their fake connection says time passed.
using SmtpClock = std::function<std::chrono::steady_clock::time_point()>;

struct SmtpEnvelope {
    std::string from;
    std::vector<std::string> to;
    std::string message;  // BuildMimeMessage's text, not yet dot-stuffed
};

struct SmtpOutcome {
    enum Kind {
        sent,
        badAddress,        // `recipient` cannot be given to a server
        unreachable,
        tlsRefused,
        untrusted,
        signInRefused,
        recipientRefused,  // `recipient`
        refused,           // the greeting, EHLO, the sender or the message
        timedOut,
        closed,
        notSmtp,
        noPassword,        // a user name without a password kept for this server
    };
    Kind kind = closed;
    std::string answer;     // the server's reply, or what the connection said
    std::string recipient;
};

// `clientName` is what EHLO says this computer is called. The mail counts as
// sent only when the server accepts it after the message's final dot.
SmtpOutcome SendThroughServer(SmtpConnection& connection, const MailSettings& settings, const std::string& password,
                              const std::string& clientName, const SmtpEnvelope& envelope,
                              const SmtpLimits& limits = {}, const SmtpClock& clock = {});

// For the delivery log: "sent: 250 …", "sign-in refused: 535 …".
std::string SmtpOutcomeText(const SmtpOutcome& outcome);
// The error box after a failed send, naming the server and its answer.
std::string SmtpFailureMessage(const SmtpOutcome& outcome, const MailSettings& settings);
