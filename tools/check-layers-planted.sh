#!/usr/bin/env bash
# Shows that the layer check refuses what it is meant to: a copy of src/ with
# a stat call planted outside platform/ must fail it, naming that file.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
mkdir "$copy/tools"
cp "$root/tools/check-layers.sh" "$copy/tools/"
cp -r "$root/src" "$copy/src"
echo 'int PlantedSize(const char* path) { struct stat s; return stat(path, &s); }' >>"$copy/src/base/Clock.cpp"
if "$copy/tools/check-layers.sh" >"$copy/said" 2>&1 || ! grep -q '^base/Clock.cpp:.*file facts outside platform/' "$copy/said"; then
  echo "the layer check let a stat call in base/ pass"
  exit 1
fi
echo "planted stat refused"
