"""Hostile SMTP servers on loopback, each on a port of its own, all over TLS
from the start with certificates of the trusted test authority:
  pipelined  sends its 250 in the same write as its 354;
  dripped    answers EHLO one byte a second;
  refusing   refuses the sign-in and notes whether QUIT came;
  aia        shows a certificate whose issuer is not sent, named only by an
             address (silent) that takes connections and never answers.
What each connection sent is noted in <name>.log in the output folder."""
import socket
import ssl
import sys
import threading
import time
from pathlib import Path

out, certs = Path(sys.argv[1]), Path(sys.argv[2])


def listener():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    s.listen(8)
    return s


def note(name, text):
    with open(out / f"{name}.log", "a", encoding="utf-8") as f:
        f.write(text + "\n")


def lines(tls):
    buffer = b""
    while True:
        while b"\n" not in buffer:
            data = tls.recv(65536)
            if not data:
                return
            buffer += data
        line, buffer = buffer.split(b"\n", 1)
        yield line.rstrip(b"\r").decode("latin-1")


def converse(name, tls):
    note(name, "tls " + tls.version())
    tls.sendall(b"220 hostile.example ready\r\n")
    for line in lines(tls):
        word = line.split(" ")[0].upper()
        note(name, line if word != "AUTH" else "AUTH ...")
        if word == "EHLO" and name == "dripped":
            for b in b"250-hostile.example answers one byte a second\r\n250 AUTH PLAIN\r\n":
                tls.sendall(bytes([b]))
                time.sleep(1)
        elif word == "EHLO":
            tls.sendall(b"250-hostile.example\r\n250 AUTH PLAIN\r\n")
        elif word == "AUTH" and name == "refusing":
            tls.sendall(b"535 5.7.8 Authentication credentials invalid\r\n")
        elif word == "AUTH":
            tls.sendall(b"235 2.7.0 Authentication successful\r\n")
        elif word in ("MAIL", "RCPT"):
            tls.sendall(b"250 2.1.0 Ok\r\n")
        elif word == "DATA":
            tls.sendall(b"354 End data with <CR><LF>.<CR><LF>\r\n250 2.0.0 Ok: queued as EARLY\r\n")
            return
        elif word == "QUIT":
            tls.sendall(b"221 2.0.0 Bye\r\n")
            return


def serve(name, sock, cert):
    ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    ctx.load_cert_chain(certs / f"{cert}.pem", certs / f"{cert}.key")
    while True:
        conn, _ = sock.accept()
        note(name, "connected")

        def run(conn=conn):
            try:
                with ctx.wrap_socket(conn, server_side=True) as tls:
                    converse(name, tls)
            except (OSError, ssl.SSLError) as error:
                note(name, f"ended: {error.__class__.__name__}")
        threading.Thread(target=run, daemon=True).start()


def silent(sock):
    while True:
        conn, _ = sock.accept()
        note("silent", "connected")
        threading.Thread(target=lambda c=conn: time.sleep(600), daemon=True).start()


silent_socket = listener()
(out / "silent-port.txt").write_text(str(silent_socket.getsockname()[1]))
threading.Thread(target=silent, args=(silent_socket,), daemon=True).start()
# The aia certificate names the silent address: it is made once the port is known.
for _ in range(100):
    if (certs / "aia.pem").exists():
        break
    time.sleep(0.1)
servers = {"pipelined": "server", "dripped": "server", "refusing": "server", "aia": "aia"}
sockets = {name: listener() for name in servers}
for name, cert in servers.items():
    threading.Thread(target=serve, args=(name, sockets[name], cert), daemon=True).start()
(out / "hostile-ports.txt").write_text("".join(f"{n} {s.getsockname()[1]}\n" for n, s in sockets.items()))
time.sleep(600)  # bounded: the test run that started it ends long before
