#!/usr/bin/env bash
# Installs the Debian packages Oracline needs, only those missing.
# Usage: install-deps.sh [run|test]
#   run   what building and running Oracline under Wine needs (./oracline)
#   test  that and what the tests need besides (./test; the default)
set -u
run_packages=(
  cmake make ccache mingw-w64 g++-mingw-w64-x86-64 nsis
  wine wine64 fonts-wine fonts-dejavu-core fonts-liberation xvfb xauth imagemagick
)
test_packages=(
  g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  ghostscript poppler-utils xdotool python3-aiosmtpd openssl clang libclang-rt-14-dev
)
packages=("${run_packages[@]}")
[ "${1:-test}" = run ] || packages+=("${test_packages[@]}")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq || exit 1
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || exit 1
