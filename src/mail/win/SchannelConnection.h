#pragma once
// The connection to a mail server on Windows: Winsock, and TLS through the
// system's own Schannel (SSPI). The server's certificate is checked against
// the system's trusted roots and the server's name after every handshake;
// nothing turns the check off.
#include "mail/SmtpSession.h"

#include <memory>

std::unique_ptr<SmtpConnection> CreateSchannelConnection();
