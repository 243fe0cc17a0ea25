#!/usr/bin/env bash
# Puts the files Oracline expects beside itself (the twelve sign images) into
# the program folder of a Wine prefix, as the setup does, for the tests that
# run the freshly built exe. The account's data and reports folders are the
# program's own to create.
# Usage: stage-data.sh PREFIX-DIRECTORY
set -eu
prefix=${1:?usage: stage-data.sh PREFIX}
here=$(cd "$(dirname "$0")/.." && pwd)
program="$prefix/drive_c/Program Files/Oracline"
mkdir -p "$program"
rm -rf "$program/Reports"
if compgen -G "$here/src/res/signs/*.gif" >/dev/null; then
  cp "$here"/src/res/signs/*.gif "$program/"
fi
