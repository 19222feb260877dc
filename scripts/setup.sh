#!/bin/bash
# Installs the Debian packages that building, running and testing Vantoscope need, the Japanese
# locale that Wine's code page 932 needs, and 32-bit Wine for the 32-bit program where this
# machine runs 32-bit programs. Quick when everything is already there; needs root (or sudo)
# otherwise. For x86-64 Debian 12 or Ubuntu 22.04 and later.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    cmake ninja-build g++ libgtest-dev googletest
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine wine64 fonts-wine fonts-ipafont-gothic locales
    xvfb xserver-xephyr x11-xkb-utils xdotool imagemagick xcompmgr
    python3 zip unzip cppcheck clang-tidy
)

fail() {  # one plain sentence, then stop
    echo "setup: $*" >&2
    exit 1
}

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo > /dev/null || fail "installing packages needs root: run this as root, or install sudo."
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive

missing_of() {
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            echo "$p"
        fi
    done
}

try_install() {  # packages...; the package lists are read again first. Fails as apt-get does.
    [ $# -gt 0 ] || return 0
    echo "Installing: $*"
    # A mirror caught half-way through its sync makes apt-get update fail for one list while the
    # others read well; the install below says whether what is needed could be found.
    $SUDO apt-get update -q || echo "setup: apt-get update reported errors (see above); installing from the lists it read." >&2
    $SUDO apt-get install -y -q --no-install-recommends "$@"
}

install() {  # packages...
    try_install "$@" ||
        fail "could not install $* (see apt-get's messages above): check the network and /etc/apt/sources.list, mend what apt-get names, then run this again."
}

mapfile -t missing < <(missing_of "${PACKAGES[@]}")
install "${missing[@]}"

# 32-bit Wine only where 32-bit programs run: elsewhere it would stop Wine from starting at all.
# Where it is installed already and cannot run, it stays; the desktop starts the 64-bit loader.
# Without it only the 32-bit program's stories are skipped, and the test run says so.
if python3 -m desk 32bit-machine > /dev/null; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386 || fail "could not add the i386 architecture to dpkg: run 'dpkg --add-architecture i386' as root, then run this again."
    fi
    mapfile -t missing < <(missing_of wine32:i386)
    try_install "${missing[@]}" ||
        echo "setup: could not install 32-bit Wine (wine32:i386, see apt-get's messages above): the 32-bit program's stories will be skipped." >&2
fi

# Without this locale Wine still reports code page 932 but garbles non-ASCII file names.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    $SUDO localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8 ||
        fail "could not make the ja_JP.UTF-8 locale (localedef failed): install the locales package, then run this again."
fi
