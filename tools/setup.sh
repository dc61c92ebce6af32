#!/usr/bin/env bash
# Installs what the build and the tests need. Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  googletest
  wine wine32:i386 wine64
  xvfb xauth x11-utils x11-xkb-utils xdotool imagemagick
  libcairo2-dev libpango1.0-dev libturbojpeg0-dev fonts-dejavu-core
  weasyprint
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
