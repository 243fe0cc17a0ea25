#!/usr/bin/env bash
# Times the scheduled delivery as the Task Scheduler starts it (Oracline.exe
# with the unquoted record path) against a Win32 program that does nothing,
# under the same warm wineserver. The runs alternate (ten rounds of each), so
# a busy machine slows them alike; prints the median of each and the ratios.
# A do-nothing program that imports user32.dll shows the floor under Wine of
# any program that draws. Mail goes to the tests' recording mapi32.dll.
# Needs the Windows build and its prefix (see README).
set -eu
cd "$(dirname "$0")/.."
build=$PWD/build/windows
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;mapi32=n,b"
export ORACLINE_MAPI_RECORD='C:\oracline-bench-mail.txt'
rounds=10

x86_64-w64-mingw32-gcc-posix -O2 -static -mwindows -o "$build/do-nothing.exe" bench/do-nothing.c
x86_64-w64-mingw32-gcc-posix -O2 -static -mwindows -DWITH_USER32 -o "$build/do-nothing-user32.exe" bench/do-nothing.c
x86_64-w64-mingw32-gcc-posix -O2 -static -o "$build/time-start.exe" bench/time-start.c

# The account's data folder, as the program finds it.
folder="$(wine cmd.exe /c 'echo %APPDATA%' | tr -d '\r')\Oracline"
data=$(winepath -u "$folder")
mkdir -p "$data"
printf 'Profile:Bench\r\nName:Jane Doe\r\nYourMonth:5\r\nYourDate:4\r\nYourYear:1990\r\n' >"$data/Bench.ini"
record="$folder\task.dtr"
write_record() {
  printf 'Profile:%s\\Bench.ini\r\nEmail:bench@example.com\r\nTime:7:0AM\r\nType:%s\r\n' "$folder" "$1" \
    >"$data/task.dtr"
}
once() { wine "$build/time-start.exe" 1 "$@" | tr -d '\r'; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

write_record 1
once "$build/do-nothing.exe" >/dev/null; once "$build/Oracline.exe" "$record" >/dev/null  # warm up
: >"$build/bench-times.txt"
for _ in $(seq $rounds); do
  echo "none $(once "$build/do-nothing.exe")" >>"$build/bench-times.txt"
  echo "user32 $(once "$build/do-nothing-user32.exe")" >>"$build/bench-times.txt"
  write_record 0; echo "plain $(once "$build/Oracline.exe" "$record")" >>"$build/bench-times.txt"
  write_record 1; echo "colour $(once "$build/Oracline.exe" "$record")" >>"$build/bench-times.txt"
done
none=$(awk '$1 == "none" {print $2}' "$build/bench-times.txt" | median)
for kind in user32 plain colour; do
  ms=$(awk -v k=$kind '$1 == k {print $2}' "$build/bench-times.txt" | median)
  echo "$kind: median $ms ms against $none ms, ratio $(awk -v a="$ms" -v b="$none" 'BEGIN {printf "%.2f", a / b}')"
done
echo "mails recorded: $(grep -c '^MAPISendMail' "$WINEPREFIX/drive_c/oracline-bench-mail.txt")"
rm -f "$data/task.dtr" "$data/Bench.ini" "$WINEPREFIX/drive_c/oracline-bench-mail.txt"
