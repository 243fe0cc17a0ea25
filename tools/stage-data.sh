#!/usr/bin/env bash
# Puts the files Oracline expects beside its data (the twelve sign images) into
# the data directory of a Wine prefix, as the setup does, for the tests that
# run the freshly built exe.
# Usage: stage-data.sh PREFIX-DIRECTORY
set -eu
prefix=${1:?usage: stage-data.sh PREFIX}
here=$(cd "$(dirname "$0")/.." && pwd)
data="$prefix/drive_c/Program Files/Oracline"
mkdir -p "$data/Reports"
if compgen -G "$here/src/res/signs/*.gif" >/dev/null; then
  cp "$here"/src/res/signs/*.gif "$data/"
fi
