#pragma once
// The real SMTP server that smtp/run-with-server.sh starts on loopback for
// the tests run through it: its ports, the test authority it uses, and what
// it received (C:\oracline-smtp\).
#include <string>

namespace e2e {

struct MailServerPorts {
    int startTls = 0;
    int tls = 0;
    int untrusted = 0;  // a certificate of an authority nobody trusts
    int stopped = 0;    // nothing listens there
};
// False when no server runs beside the tests.
bool ReadMailServerPorts(MailServerPorts& ports);
// Adds the test authority to the machine's trusted roots of this prefix.
bool TrustTestAuthority();
// The n-th mail received: "Key\tvalue" lines of its envelope and headers (as
// a mail reader shows them, in UTF-8), its body and its attachments' names;
// empty until it came.
std::string ReceivedMail(int n);
std::string ReceivedAttachment(int n, int k);
// The password the server accepts (given by the script, kept out of the
// sources so a search of the prefix's files can look for it).
std::string MailPassword();
// The account's credential "Oracline Mail" written or removed directly.
void SetStoredMailPassword(const std::string& password);
void RemoveStoredMailPassword();

} // namespace e2e
