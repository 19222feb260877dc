#!/bin/bash
# Static analysis of the program's sources: the rooms of src/ must depend one way, and cppcheck and
# clang-tidy must report nothing. The Win32 sources are analysed for Windows (MinGW-w64 headers).
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== rooms"
python3 scripts/rooms.py

echo "== cppcheck"
# Plain loops and C-style casts of Win32 handles are this code's idiom, not findings.
cppcheck --enable=warning,style,performance,portability --std=c++17 --language=c++ \
    --library=windows --platform=win64 -D_WIN32 -DWIN32 -I src \
    --suppress=missingIncludeSystem --suppress=cstyleCast --suppress=useStlAlgorithm \
    --inline-suppr --error-exitcode=1 --quiet src

echo "== clang-tidy"
sources=$(find src -name '*.cpp' | sort)
status=0
for f in $sources; do
    out=$(clang-tidy --quiet "$f" -- -std=c++17 -Isrc -Ibuild/win64/generated \
        --target=x86_64-w64-mingw32 -isystem /usr/share/mingw-w64/include \
        -D_WIN32 -DWIN32 -fms-extensions 2>&1 | grep -E "(warning|error):" || true)
    if [ -n "$out" ]; then
        echo "$out"
        status=1
    fi
done
exit $status
