#!/usr/bin/env bash
# Runs the setup's end-to-end flows in a Wine prefix made anew for them, so
# that they start from a machine on which Oracline was never installed and
# never touch the prefix the other Windows tests share.
# Usage: run-setup-flows.sh PREFIX RECORDING-ICACLS FLOWS-EXE
set -u
prefix=${1:?usage: run-setup-flows.sh PREFIX RECORDING-ICACLS FLOWS-EXE}
icacls=${2:?}
flows=${3:?}
here=$(cd "$(dirname "$0")/../../.." && pwd)
export WINEPREFIX="$prefix" WINEDEBUG=-all
# icacls.exe=n: the recording stand-in instead of Wine's own, which changes
# nothing; winemenubuilder off: no Linux menu entries for the shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;icacls.exe=n"

stop_server() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
}

stop_server
rm -rf "$prefix"
"$here/tools/wine-prefix.sh" "$prefix" || exit 1
cp "$icacls" "$prefix/drive_c/windows/system32/icacls.exe"
timeout 150 wine "$flows" </dev/null
rc=$?
stop_server
exit $rc
