#!/usr/bin/env bash
# Runs the plain-prefix start of e2e_screen_tests in a Wine prefix of its own,
# made by wineboot alone (no fonts copied, no settings imported), on a screen
# of its own (ORACLINE_SCREEN, 1024x768x24 unless set). Usage:
# plain-prefix.sh PREFIX e2e_screen_tests.exe
set -u
prefix=$(realpath -m "${1:?usage: plain-prefix.sh PREFIX TESTS}")
export WINEPREFIX="$prefix" WINEDEBUG=-all
if [ ! -f "$prefix/.plain-ready" ]; then
  mkdir -p "$prefix"
  WINEDLLOVERRIDES="mscoree,mshtml=" timeout 180 wine wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
  touch "$prefix/.plain-ready"
fi
# Only the account folders Wine links into the Linux home become the prefix's
# own, so that no other prefix's test run meets this one's reports.
for link in "$prefix"/drive_c/users/*/Pictures; do
  if [ -L "$link" ]; then rm "$link" && mkdir "$link"; fi
done
ORACLINE_SCREEN=${ORACLINE_SCREEN:-1024x768x24} exec "$(dirname "$0")/wine-run.sh" "$2" --gtest_filter='PlainPrefix.*'
