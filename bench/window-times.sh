#!/usr/bin/env bash
# Times Oracline.exe under Wine beside the floors it cannot go below, in one
# run on a private Xvfb screen with one warm wineserver: start-up to the main
# window, closing its windows, and the scheduled run in both forms (see
# bench/win/WindowTimes.cpp). Prints one line a measure: the fastest of ROUNDS
# runs (10 unless given) beside the floor's fastest, their ratio or
# difference, and both medians.
# Needs the Windows build (see README); builds the floors and the driver.
# Usage: bench/window-times.sh [ROUNDS]
set -eu
cd "$(dirname "$0")/.."
build=$PWD/build/windows
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;mapi32=n,b"

cmake --build --preset windows -j2 --target window_times >/dev/null
x86_64-w64-mingw32-gcc-posix -O2 -static -mwindows -DWITH_USER32 -o "$build/do-nothing-user32.exe" bench/win/do-nothing.c
x86_64-w64-mingw32-windres bench/win/floor-dialog.rc -O coff -o "$build/floor-dialog.res"
x86_64-w64-mingw32-gcc-posix -O2 -static -mwindows -o "$build/floor-dialog.exe" bench/win/floor-dialog.c "$build/floor-dialog.res"
x86_64-w64-mingw32-g++-posix -O2 -static -mwindows -o "$build/blank-jpeg.exe" bench/win/blank-jpeg.cpp -lgdiplus
tools/wine-prefix.sh "$WINEPREFIX"
tools/stage-data.sh "$WINEPREFIX"

wineserver -k >/dev/null 2>&1 || true; wineserver -w >/dev/null 2>&1 || true
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
  wineserver -p; wine cmd.exe /c exit >/dev/null 2>&1
  wine "$0/window_times.exe" "$0/floor-dialog.exe" "$0/do-nothing-user32.exe" "$0/blank-jpeg.exe" "$1" | tr -d "\r"
  wineserver -k
' "$build" "${1:-10}"
