#!/bin/bash
# Installs the Debian packages that building, running and testing Vantoscope need, with
# 32-bit Wine for the 32-bit program and the Japanese locale that Wine's code page 932 needs.
# Quick when everything is already there; needs root (or sudo) otherwise.
set -euo pipefail

PACKAGES=(
    cmake ninja-build g++ libgtest-dev googletest
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine wine64 wine32:i386 fonts-wine fonts-ipafont-gothic locales
    xvfb xserver-xephyr xdotool imagemagick
    python3 zip unzip cppcheck clang-tidy
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive

fresh_lists=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    fresh_lists=1
fi

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ] || [ $fresh_lists -eq 1 ]; then
    echo "Installing: ${missing[*]}"
    $SUDO apt-get update -q
    if [ ${#missing[@]} -gt 0 ]; then
        $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
fi

# Without this locale Wine still reports code page 932 but garbles non-ASCII file names.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    $SUDO localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8
fi
