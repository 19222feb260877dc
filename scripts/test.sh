#!/bin/bash
# The whole test run: builds everything, runs the native unit tests (also under sanitizers),
# the static analysis, checks the 32-bit build, and runs the Win32 and end-to-end tests of
# Vantoscope.exe under Wine (the short soak and the package check among them).
# Exits non-zero on any failure and leaves no process behind.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

# Whatever happens, no desktop or Wine process of the tests outlives this script.
trap 'python3 tests/e2e/testbed.py --cleanup' EXIT

echo "== native unit tests"
ctest --test-dir build/native --output-on-failure -j2

echo "== native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --test-dir build/native-sanitize --output-on-failure -j2

echo "== static analysis"
scripts/lint.sh

echo "== 32-bit Windows build"
test -f build/win32/Vantoscope.exe

echo "== Win32 and end-to-end tests under Wine"
python3 -m unittest discover -s tests/e2e -p 'test_*.py' -v
