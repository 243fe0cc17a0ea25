#!/usr/bin/env bash
# Times Oracline.exe under Wine beside the floors it cannot go below, in one
# run on a private Xvfb screen with one warm wineserver: start-up to the main
# window (and of the main window's dialog alone, without the program's code),
# closing its windows, and the scheduled run in both forms (see
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
# The main window's dialog alone, with the program's pictures and manifest,
# and once more without its 35 pictures (the top row and the strip).
rc() { x86_64-w64-mingw32-windres -I src/res -O coff -o "$build/$1.res" "$2"; }
printf '#include <winuser.h>\nCREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST "%s"\n' "$PWD/src/res/Oracline.manifest" > "$build/manifest.rc"
grep -v '"Static", SS_' src/res/MainWindow.rc > "$build/main-dialog-no-pictures.rc"
rc manifest "$build/manifest.rc"; rc artwork src/res/Artwork.rc
rc main-dialog src/res/MainWindow.rc; rc main-dialog-no-pictures "$build/main-dialog-no-pictures.rc"
for dialog in main-dialog main-dialog-no-pictures; do
  x86_64-w64-mingw32-gcc-posix -O2 -static -mwindows -DMAIN_DIALOG -I src/res -o "$build/$dialog-alone.exe" bench/win/floor-dialog.c \
    "$build/$dialog.res" "$build/artwork.res" "$build/manifest.res" -lcomctl32
done
tools/wine-prefix.sh "$WINEPREFIX"
tools/stage-data.sh "$WINEPREFIX"

wineserver -k >/dev/null 2>&1 || true; wineserver -w >/dev/null 2>&1 || true
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
  wineserver -p; wine cmd.exe /c exit >/dev/null 2>&1
  wine "$0/window_times.exe" "$0/floor-dialog.exe" "$0/do-nothing-user32.exe" "$0/blank-jpeg.exe" \
    "$0/main-dialog-alone.exe" "$0/main-dialog-no-pictures-alone.exe" "$1" | tr -d "\r"
  wineserver -k
' "$build" "${1:-10}"
