#!/bin/bash
# Installs the Debian packages that building, running and testing Vantoscope need.
# Quick when everything is already there; needs root (or sudo) otherwise.
set -euo pipefail

PACKAGES=(
    cmake ninja-build g++ libgtest-dev googletest
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine wine64 fonts-wine fonts-ipafont-gothic
    xvfb xserver-xephyr xdotool imagemagick
    python3 zip unzip cppcheck clang-tidy
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
