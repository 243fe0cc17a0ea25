#!/usr/bin/env bash
# The setup and the uninstaller, end to end, in a Wine prefix made anew for
# them: a machine on which Oracline was never installed, and never the prefix
# the other Windows tests share. One flow per behaviour, in order: refuse a
# linked folder, install, install again over the user's data, uninstall
# silently, uninstall answering "remove". The windows are driven through X
# (xdotool).
# Usage: run-setup-flows.sh PREFIX SETUP-EXE
set -u
prefix=${1:?usage: run-setup-flows.sh PREFIX SETUP-EXE}
setup=${2:?usage: run-setup-flows.sh PREFIX SETUP-EXE}
here=$(cd "$(dirname "$0")/../../.." && pwd)
version=$(basename "$setup" | sed -E 's/^Oracline-(.*)-setup\.exe$/\1/')
export WINEPREFIX="$prefix" WINEDEBUG=-all
# No Linux menu entries for the shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
dir="$prefix/drive_c/Program Files/Oracline"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Oracline.lnk"
job="$prefix/drive_c/windows/tasks/Daily Analysis Report.job"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Oracline'
user_data=(oc.ini Ann.ini contacts.ini task.dtr Reports/March.jpg)
program_files=(Oracline.exe uninstall.exe Readme.txt aries.gif taurus.gif gemini.gif cancer.gif leo.gif virgo.gif
               libra.gif scorpio.gif sagittarius.gif capricorn.gif aquarius.gif pisces.gif)

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
expect() { "${@:2}" || fail "$1"; }
# Every process of the prefix has ended (or is ended, when one hangs).
finish() { timeout 60 wineserver -w >/dev/null 2>&1 || { wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1; }; }
window() { timeout 20 xdotool search --sync --name "$1" 2>/dev/null | head -n 1; }
put_user_data() { for f in "${user_data[@]}"; do echo "$f of the user" >"$dir/$f"; done; }
user_data_kept() { for f in "${user_data[@]}"; do [ "$(cat "$dir/$f" 2>/dev/null)" = "$f of the user" ] || return 1; done; }
program_gone() { ! [ -e "$dir/Oracline.exe" ] && ! [ -e "$dir/uninstall.exe" ] && ! [ -e "$dir/aries.gif" ] &&
                 ! [ -e "$shortcut" ] && ! wine reg query "$key" >/dev/null 2>&1; }

wineserver -k >/dev/null 2>&1; finish
rm -rf "$prefix"
"$here/tools/wine-prefix.sh" "$prefix" || exit 1

echo "--- setup refuses a folder that is a link"
mkdir -p "$prefix/elsewhere" "$(dirname "$dir")"; ln -s "$prefix/elsewhere" "$dir"
timeout 60 wine "$setup" /S; refused=$?; finish
expect "setup into a linked folder refused" [ "$refused" -ne 0 ]
expect "nothing written through the link" [ -z "$(ls -A "$prefix/elsewhere")" ]
rm "$dir"

echo "--- silent setup"
# Wine's icacls changes nothing but reports its arguments on the fixme channel.
WINEDEBUG=-all,fixme+icacls timeout 60 wine "$setup" /S 2>"$prefix/setup.log"; finish
for f in Reports "${program_files[@]}"; do
  expect "installed $f" [ -e "$dir/$f" ]
done
grant=$(grep -nF 'Program Files\\Oracline" "/grant" "*S-1-5-32-545:(OI)(CI)M"' "$prefix/setup.log" | head -n 1 | cut -d: -f1)
expect "Users granted modify rights" [ -n "$grant" ]
# Each program file gets a list of its own, without write for Users, before
# the folder's grant could reach it.
for f in Oracline.exe uninstall.exe Readme.txt '*.gif'; do
  own=$(grep -nF "Oracline\\\\$f\" \"/inheritance:r\" \"/grant:r\" \"*S-1-5-18:F\" \"*S-1-5-32-544:F\" \"*S-1-5-32-545:RX\"" \
        "$prefix/setup.log" | head -n 1 | cut -d: -f1)
  expect "$f has its own list before the folder's grant" [ "${own:-999999}" -lt "${grant:-0}" ]
done
expect "Start-menu shortcut" [ -e "$shortcut" ]
expect "no desktop shortcut unless asked" [ ! -e "$prefix/drive_c/users/Public/Desktop/Oracline.lnk" ]
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r' | sed -E 's/^ +//; s/ {4}/|/g')
for value in "DisplayName|REG_SZ|Oracline" "DisplayVersion|REG_SZ|$version" "Publisher|REG_SZ|Oracline" \
             'DisplayIcon|REG_SZ|C:\Program Files\Oracline\Oracline.exe,0' \
             'InstallLocation|REG_SZ|C:\Program Files\Oracline' \
             'UninstallString|REG_SZ|"C:\Program Files\Oracline\uninstall.exe"' \
             'QuietUninstallString|REG_SZ|"C:\Program Files\Oracline\uninstall.exe" /S' \
             "NoModify|REG_DWORD|0x1" "NoRepair|REG_DWORD|0x1"; do
  expect "uninstall value $value" grep -qxF "$value" <<<"$entry"
done
expect "estimated size at least the exe's" [ $(( $(grep -oP '^EstimatedSize\|REG_DWORD\|\K0x[0-9a-f]+' <<<"$entry") * 1024 )) -ge \
                                              "$(stat -c %s "$dir/Oracline.exe")" ]
# Past the first start's introduction page: an index in the account's folder.
account_data="$(winepath -u "$(wine cmd.exe /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')")/Oracline"
mkdir -p "$account_data"; echo "x" >"$account_data/oc.ini"
wine 'C:\Program Files\Oracline\Oracline.exe' &
expect "installed program shows its main window" [ -n "$(window '^Oracline 2005  -  For entertainment')" ]
wineserver -k; finish

echo "--- setup over the user's data"
put_user_data
timeout 60 wine "$setup" /S; finish
expect "profiles, contacts, reports and schedule kept by a second setup" user_data_kept

echo "--- silent uninstall"
mkdir -p "$(dirname "$job")"; echo "job" >"$job"
timeout 60 wine 'C:\Program Files\Oracline\uninstall.exe' /S; finish
expect "program files, shortcut and entry removed" program_gone
expect "scheduled job removed" [ ! -e "$job" ]
expect "user's data kept by a silent uninstall" user_data_kept

echo "--- uninstall answered: remove the data"
timeout 60 wine "$setup" /S; finish
put_user_data
echo "not the program's" >"$dir/notes.txt"
timeout 60 wine 'C:\Program Files\Oracline\uninstall.exe' &
uninstaller=$(window '^Oracline Uninstall')
[ -n "$uninstaller" ] && xdotool windowfocus --sync "$uninstaller" key Return   # Uninstall
question=$(timeout 20 bash -c "until xdotool search --name '^Oracline Uninstall' | grep -vx '$uninstaller'; do sleep 0.2; done" |
           head -n 1)
expect "the uninstaller asks about the user's data" [ -n "$question" ]
[ -n "$question" ] && xdotool windowfocus --sync "$question" key y   # Yes
timeout 30 bash -c "while [ -e '$dir/Reports' ]; do sleep 0.2; done"; wineserver -k; finish
expect "program removed" program_gone
for f in "${user_data[@]}"; do
  expect "user's $f removed on request" [ ! -e "$dir/$f" ]
done
expect "a file of another kind kept" [ "$(cat "$dir/notes.txt" 2>/dev/null)" = "not the program's" ]

wineserver -k >/dev/null 2>&1; finish
echo "$failures failed"
[ "$failures" -eq 0 ]
