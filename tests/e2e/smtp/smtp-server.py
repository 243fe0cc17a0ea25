"""SMTP servers on loopback for the end-to-end tests (STARTTLS, TLS, and
STARTTLS with an untrusted certificate; AUTH inside TLS). Mail N is kept as
N.eml, N.txt (headers as a reader sees them) and N-K.bin (attachments)."""
import email
import email.policy
import socket
import ssl
import sys
import time
from pathlib import Path

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult

out, certs, user, password = Path(sys.argv[1]), Path(sys.argv[2]), sys.argv[3], sys.argv[4]


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def context(name):
    ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    ctx.load_cert_chain(certs / f"{name}.pem", certs / f"{name}.key")
    return ctx


def authenticate(server, session, envelope, mechanism, data):
    return AuthResult(success=data.login.decode() == user and data.password.decode() == password, handled=False)


class Keeper:
    count = 0

    async def handle_RCPT(self, server, session, envelope, address, options):
        if address.startswith("nobody@"):
            return f"550 5.1.1 <{address}>: Recipient address rejected: User unknown"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        Keeper.count += 1
        n = Keeper.count
        (out / f"{n}.eml").write_bytes(envelope.content)
        mail = email.message_from_bytes(envelope.content, policy=email.policy.default)
        lines = [f"envelope\t{envelope.mail_from}\t{','.join(envelope.rcpt_tos)}"]
        lines += [f"{key}\t{mail[key]}" for key in ("From", "To", "Subject", "Date", "Message-ID")]
        lines.append(f"body\t{mail.get_body(('plain',)).get_content().strip()}")
        for k, part in enumerate(mail.iter_attachments(), 1):
            (out / f"{n}-{k}.bin").write_bytes(part.get_content())
            lines.append(f"attachment\t{part.get_filename()}\t{part.get_content_type()}")
        tls = server.transport.get_extra_info("ssl_object")
        lines.append(f"tls\t{tls.version() if tls else 'none'}")
        (out / f"{n}.txt").write_text("\n".join(lines) + "\n", encoding="utf-8")
        return f"250 2.0.0 Ok: queued as M{n}"


def controller(port, cert, implicit):
    # A server that starts encrypted does not know it is: AUTH is inside TLS
    # there all the same.
    kwargs = dict(authenticator=authenticate, auth_require_tls=not implicit)
    if implicit:
        return Controller(Keeper(), hostname="127.0.0.1", port=port, ssl_context=context(cert),
                          server_hostname="localhost", server_kwargs=kwargs)
    return Controller(Keeper(), hostname="127.0.0.1", port=port, tls_context=context(cert),
                      require_starttls=True, **kwargs)


ports = {name: free_port() for name in ("starttls", "tls", "untrusted", "stopped")}
servers = [controller(ports["starttls"], "server", False), controller(ports["tls"], "server", True),
           controller(ports["untrusted"], "rogue", False)]
for server in servers:
    server.start()
(out / "ports.txt").write_text("".join(f"{k} {v}\n" for k, v in ports.items()))
try:
    time.sleep(600)  # bounded: the test run that started it ends long before
finally:
    for server in servers:
        server.stop()
