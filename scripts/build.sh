#!/bin/bash
# Builds Vantoscope: the 64-bit Windows program and its Win32 test programs, the 32-bit
# Windows program, and the native unit tests (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer).
#   scripts/build.sh            everything
#   scripts/build.sh win64      only the 64-bit program and its test programs
set -euo pipefail
cd "$(dirname "$0")/.."

what="${1:-all}"
configure() {  # build-dir, extra cmake arguments
    local dir="$1"; shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja "$@" > /dev/null
    fi
    cmake --build "$dir"
}

configure build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
if [ "$what" = "win64" ]; then
    exit 0
fi
configure build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release
configure build/native -DCMAKE_BUILD_TYPE=Debug
configure build/native-sanitize -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
