#!/usr/bin/env bash
# Prepares the Wine prefix Oracline.exe runs and is tested in (once; later
# calls return at once). Usage: wine-prefix.sh PREFIX-DIRECTORY
set -eu
prefix=$(realpath -m "${1:?usage: wine-prefix.sh PREFIX}")
export WINEPREFIX="$prefix" WINEDEBUG=-all
# Wine links the account's Pictures, Documents and the like to the Linux
# home, which every prefix would then share: the reports one test run saves
# there would meet another's. Each prefix keeps folders of its own.
own_folders() {
  for link in "$prefix"/drive_c/users/*/{Desktop,Documents,Downloads,Music,Pictures,Videos}; do
    if [ -L "$link" ]; then rm "$link" && mkdir "$link"; fi
  done
}
[ -f "$prefix/.oracline-ready" ] && { own_folders; exit 0; }

here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$prefix"
# No Mono or Gecko installer is looked for while the prefix is created.
WINEDLLOVERRIDES="mscoree,mshtml=" timeout 180 wine wineboot -i >/dev/null 2>&1
wineserver -w
# Wine finds its own fonts (Marlett for the caption buttons, the MS Sans Serif
# the dialog templates are measured in) only in the prefix's Fonts folder.
cp -n /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
timeout 60 wine regedit /S "$(winepath -w "$here/wine-settings.reg" 2>/dev/null)" >/dev/null 2>&1
wineserver -w
own_folders
touch "$prefix/.oracline-ready"
