#!/usr/bin/env bash
# Makes the setup tests' own Wine prefix anew, so that they start from a
# machine on which Oracline was never installed, and puts the recording
# icacls.exe into its System32. Usage: fresh-prefix.sh PREFIX RECORDING-ICACLS
set -eu
prefix=${1:?usage: fresh-prefix.sh PREFIX RECORDING-ICACLS}
here=$(cd "$(dirname "$0")/../../.." && pwd)
export WINEPREFIX="$prefix" WINEDEBUG=-all
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
rm -rf "$prefix"
"$here/tools/wine-prefix.sh" "$prefix"
cp "${2:?}" "$prefix/drive_c/windows/system32/icacls.exe"
