#!/usr/bin/env bash
# The setup and the uninstaller, end to end, in a Wine prefix made anew for
# them: a machine on which Oracline was never installed, and never the prefix
# the other Windows tests share. One flow per behaviour, in order: refuse a
# linked folder, install, refuse a program file another program holds,
# install again over the data (the account's and an earlier version's,
# beside links planted in its folder), uninstall silently, uninstall
# answering "remove". The windows are driven through X (xdotool).
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
tasks="$prefix/drive_c/windows/tasks"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Oracline'
# The account's data and reports, and what an earlier version kept in the
# program folder.
user_data=(Oracline/oc.ini Oracline/Ann.ini Oracline/contacts.ini Oracline/mail.ini Oracline/task.dtr
           "Oracline Reports/March.jpg" Pages/help.htm Pages/hourly.jpg Program/oc.ini Program/Ann.ini Program/Reports/April.jpg)
# The mail password, as Wine's Credential Manager keeps a generic credential.
credential='HKCU\Software\Wine\Credential Manager\Generic: Oracline Mail'
credential_kept() { wine reg query "$credential" >/dev/null 2>&1; }
credential_gone() { ! credential_kept; }
program_files=(Oracline.exe uninstall.exe Readme.txt aries.gif taurus.gif gemini.gif cancer.gif leo.gif virgo.gif
               libra.gif scorpio.gif sagittarius.gif capricorn.gif aquarius.gif pisces.gif)

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
expect() { "${@:2}" || fail "$1"; }
# Every process of the prefix has ended (or is ended, when one hangs).
finish() { timeout 60 wineserver -w >/dev/null 2>&1 || { wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1; }; }
window() { timeout 60 xdotool search --sync --name "$1" 2>/dev/null | head -n 1; }
# Where each entry of user_data lies.
place() { case $1 in Program/*) echo "$dir/${1#Program/}" ;; "Oracline Reports"/*) echo "$pictures/$1" ;;
                     Pages/*) echo "$localappdata/Oracline/$1" ;; *) echo "$appdata/$1" ;; esac; }
put_user_data() { for f in "${user_data[@]}"; do mkdir -p "$(dirname "$(place "$f")")"; echo "$f" >"$(place "$f")"; done
                  wine reg add "$credential" /ve /d "Oracline Mail" /f >/dev/null 2>&1; }
user_data_kept() { for f in "${user_data[@]}"; do [ "$(cat "$(place "$f")" 2>/dev/null)" = "$f" ] || return 1; done
                   credential_kept; }
program_gone() { ! [ -e "$dir/Oracline.exe" ] && ! [ -e "$dir/uninstall.exe" ] && ! [ -e "$dir/aries.gif" ] &&
                 ! [ -e "$shortcut" ] && ! wine reg query "$key" >/dev/null 2>&1; }

wineserver -k >/dev/null 2>&1; finish
rm -rf "$prefix"
"$here/tools/wine-prefix.sh" "$prefix" || exit 1
folder() { winepath -u "$(wine cmd.exe /c "echo $1" 2>/dev/null | tr -d '\r')"; }
appdata=$(folder %APPDATA%)
localappdata=$(folder %LOCALAPPDATA%)
pictures=$(folder %USERPROFILE%)/Pictures

echo "--- setup refuses a folder that is a link"
mkdir -p "$prefix/elsewhere" "$(dirname "$dir")"; ln -s "$prefix/elsewhere" "$dir"
timeout 60 wine "$setup" /S; refused=$?; finish
expect "setup into a linked folder refused" [ "$refused" -ne 0 ]
expect "nothing written through the link" [ -z "$(ls -A "$prefix/elsewhere")" ]
rm "$dir"

echo "--- silent setup"
# Wine's icacls changes nothing but reports its arguments on the fixme channel.
WINEDEBUG=-all,fixme+icacls timeout 60 wine "$setup" /S 2>"$prefix/setup.log"; finish
for f in "${program_files[@]}"; do
  expect "installed $f" [ -e "$dir/$f" ]
done
expect "nothing made for data in the program folder" [ ! -e "$dir/Reports" ]
# A folder made anew keeps the list Program Files hands down: no owner or
# list is changed, least of all recursively.
expect "no icacls step" [ -z "$(grep -F 'icacls' "$prefix/setup.log")" ]
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
mkdir -p "$appdata/Oracline"; echo "x" >"$appdata/Oracline/oc.ini"
wine 'C:\Program Files\Oracline\Oracline.exe' &
expect "installed program shows its main window" [ -n "$(window '^Oracline 2005  -  For entertainment')" ]

echo "--- setup while a program file is held open"
# The running program holds its exe: the setup says so and fails.
timeout 60 wine "$setup" /S; held=$?
expect "setup fails while Oracline.exe is held" [ "$held" -ne 0 ]
wineserver -k; finish

echo "--- setup over the user's data and an earlier folder with links planted in it"
put_user_data
# What another account could leave in an earlier version's folder: a
# junction deep inside (to Wine a symbolic link to a folder), links to files
# and a second name of a file, all leading to that account's own files,
# which must keep their text, owner and access list and never be copied.
victim="$prefix/drive_c/users/other"
mkdir -p "$victim/Profile" "$dir/Reports/deep/deeper"
for f in Profile/ntuser.ini secret.ini secret.jpg hard.ini; do echo "other's $f" >"$victim/$f"; chmod 600 "$victim/$f"; done
ln -s "$victim/Profile" "$dir/Reports/deep/deeper/junction"
ln -s "$victim/secret.ini" "$dir/Bob.ini"
ln -s "$victim/secret.jpg" "$dir/Reports/Linked.jpg"
ln "$victim/hard.ini" "$dir/Hard.ini"
victim_state() { (cd "$victim" && find . -type f -exec stat -c '%n %U %a %h %s' {} + | sort; cat Profile/ntuser.ini secret.*); }
before=$(victim_state)
WINEDEBUG=-all,fixme+icacls timeout 60 wine "$setup" /S 2>"$prefix/setup.log"; finish
expect "the account's and the earlier version's data kept by a second setup" user_data_kept
expect "no icacls step over the earlier folder" [ -z "$(grep -F 'icacls' "$prefix/setup.log")" ]
expect "the other account's files untouched" [ "$(victim_state)" = "$before" ]
for f in Bob.ini Hard.ini Reports/Linked.jpg Reports/deep; do
  expect "$f not brought into the new folder" [ ! -e "$dir/$f" -a ! -L "$dir/$f" ]
done
aside="$dir (set aside 1)"
expect "the earlier folder set aside with what is not the program's" [ -L "$aside/Reports/deep/deeper/junction" ]
expect "the earlier data and program files gone from it" [ ! -e "$aside/oc.ini" -a ! -e "$aside/Oracline.exe" ]
rm -rf "$aside"
timeout 60 wine "$setup" /S; finish
expect "a clean folder set aside leaves nothing behind" [ ! -e "$aside" ]
expect "the data kept by a third setup" user_data_kept

echo "--- silent uninstall"
mkdir -p "$tasks"
for job in "Daily Analysis Report" "Daily Analysis Report (S-1-5-21-1-2-3-1001)"; do echo "job" >"$tasks/$job.job"; done
timeout 60 wine 'C:\Program Files\Oracline\uninstall.exe' /S; finish
expect "program files, shortcut and entry removed" program_gone
expect "every account's job removed" [ -z "$(ls "$tasks")" ]
expect "all data kept by a silent uninstall" user_data_kept

echo "--- uninstall answered: remove the data"
timeout 60 wine "$setup" /S; finish
put_user_data
echo "not the program's" >"$appdata/Oracline/notes.txt"
timeout 60 wine 'C:\Program Files\Oracline\uninstall.exe' &
uninstaller=$(window '^Oracline Uninstall')
[ -n "$uninstaller" ] && xdotool windowfocus --sync "$uninstaller" key Return   # Uninstall
question=$(timeout 20 bash -c "until xdotool search --name '^Oracline Uninstall' | grep -vx '$uninstaller'; do sleep 0.2; done" |
           head -n 1)
expect "the uninstaller asks about the user's data" [ -n "$question" ]
[ -n "$question" ] && xdotool windowfocus --sync "$question" key y   # Yes
timeout 30 bash -c "while [ -e '$pictures/Oracline Reports' ]; do sleep 0.2; done"; wineserver -k; finish
expect "program removed" program_gone
# The account's own, of the kinds the program makes; the earlier version's
# shared data is every account's and stays.
for f in "${user_data[@]}"; do
  case $f in Program/*) expect "shared $f kept" [ -e "$(place "$f")" ] ;;
              *) expect "account's $f removed on request" [ ! -e "$(place "$f")" ] ;; esac
done
expect "a file of another kind kept" [ "$(cat "$appdata/Oracline/notes.txt" 2>/dev/null)" = "not the program's" ]
expect "the emptied pages folder removed" [ ! -e "$localappdata/Oracline" ]
expect "the account's mail password removed on request" credential_gone

wineserver -k >/dev/null 2>&1; finish
echo "$failures failed"
[ "$failures" -eq 0 ]
