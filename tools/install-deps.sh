#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -u
packages=(
  cmake g++ make googletest libgtest-dev libgmock-dev libbenchmark-dev
  mingw-w64 g++-mingw-w64-x86-64 wine wine64 fonts-wine fonts-dejavu-core fonts-liberation
  xvfb xauth imagemagick ghostscript poppler-utils ccache nsis xdotool python3-aiosmtpd openssl
  clang libclang-rt-14-dev
)
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
