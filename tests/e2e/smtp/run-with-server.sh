#!/usr/bin/env bash
# Runs Windows tests with a real SMTP server on loopback beside them, then
# checks that the mail password they used is in no file of the prefix.
# The server's certificates come from a test authority made here; only the
# tests trust it, in the test prefix alone (they add it to the machine's
# root store there). A second authority, trusted nowhere, signs the
# certificate of the server that must be refused. Beside them run the
# hostile servers of hostile-server.py, one of which shows a certificate
# from an intermediate authority it never sends, named only by an address
# that never answers.
# Usage: run-with-server.sh PREFIX TEST-EXE [ARGS...]
set -u
prefix=$(realpath -m "$1"); shift
here=$(cd "$(dirname "$0")" && pwd)
dir="$prefix/drive_c/oracline-smtp"
password='Right-Secret-5739'
rm -rf "$dir"; mkdir -p "$dir/certs"
cd "$dir/certs" || exit 1
make_cert() { # name, authority
  openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -subj "/CN=$1 Test Authority" \
      -keyout "$1-ca.key" -out "$1-ca.pem" >/dev/null 2>&1
  openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" -keyout "$1.key" -out "$1.csr" >/dev/null 2>&1
  printf 'subjectAltName=DNS:localhost\nextendedKeyUsage=serverAuth\n' >"$1.ext"
  openssl x509 -req -in "$1.csr" -CA "$1-ca.pem" -CAkey "$1-ca.key" -CAcreateserial -days 3650 \
      -extfile "$1.ext" -out "$1.pem" >/dev/null 2>&1
}
make_cert server && make_cert rogue || { echo "could not make the test certificates"; exit 1; }
openssl req -newkey rsa:2048 -nodes -subj "/CN=Hidden Intermediate" -keyout hidden.key -out hidden.csr >/dev/null 2>&1
printf 'basicConstraints=critical,CA:TRUE\nkeyUsage=critical,keyCertSign,cRLSign\n' >hidden.ext
openssl x509 -req -in hidden.csr -CA server-ca.pem -CAkey server-ca.key -CAcreateserial -days 3650 \
    -extfile hidden.ext -out hidden.pem >/dev/null 2>&1 || { echo "could not make the intermediate"; exit 1; }
openssl x509 -in server-ca.pem -outform der -out "$dir/authority.der"
/usr/bin/python3 "$here/smtp-server.py" "$dir" "$dir/certs" tester "$password" >"$dir/server.log" 2>&1 &
server=$!
/usr/bin/python3 "$here/hostile-server.py" "$dir" "$dir/certs" >"$dir/hostile.log" 2>&1 &
hostile=$!
for _ in $(seq 100); do [ -s "$dir/silent-port.txt" ] && break; sleep 0.1; done
openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" -keyout aia.key -out aia.csr >/dev/null 2>&1
printf 'subjectAltName=DNS:localhost\nextendedKeyUsage=serverAuth\nauthorityInfoAccess=caIssuers;URI:http://127.0.0.1:%s/issuer.crt\n' \
    "$(cat "$dir/silent-port.txt")" >aia.ext
openssl x509 -req -in aia.csr -CA hidden.pem -CAkey hidden.key -CAcreateserial -days 3650 -extfile aia.ext \
    -out aia.tmp >/dev/null 2>&1 && mv aia.tmp aia.pem
for _ in $(seq 100); do [ -s "$dir/ports.txt" ] && [ -s "$dir/hostile-ports.txt" ] && break; sleep 0.1; done
if ! [ -s "$dir/ports.txt" ] || ! [ -s "$dir/hostile-ports.txt" ]; then
  echo "the SMTP servers did not start:"; cat "$dir/server.log" "$dir/hostile.log"; kill $server $hostile; exit 1
fi

cd "$here" || exit 1
WINEPREFIX="$prefix" ORACLINE_MAIL_PASSWORD="$password" "$here/../wine-run.sh" "$@"
rc=$?
kill $server $hostile 2>/dev/null; wait $server $hostile 2>/dev/null

# The registry reaches its files when the server stops.
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1; WINEPREFIX="$prefix" wineserver -w >/dev/null 2>&1
if grep -rlaF -e "$password" "$prefix" 2>/dev/null ||
   LC_ALL=C grep -rlaP -e "$(printf '%s' "$password" | sed 's/./&\\x00/g')" "$prefix" 2>/dev/null; then
  echo "the mail password is in the files above"
  rc=1
fi
exit $rc
