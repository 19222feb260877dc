#!/bin/bash
# The whole test run: builds everything, runs the native unit tests (also under sanitizers) and
# the static analysis, then the end-to-end tests of the 64-bit and the 32-bit Vantoscope.exe
# under Wine (with a short churn of the desktop) and the release package check.
# Exits non-zero on any failure and leaves no process behind.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

# Whatever happens, no desktop or Wine process of the tests outlives this script.
trap 'python3 -m desk' EXIT

echo "== native unit tests"
ctest --test-dir build/native --output-on-failure -j2

echo "== native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --test-dir build/native-sanitize --output-on-failure -j2

echo "== static analysis"
scripts/lint.sh

echo "== end-to-end tests under Wine"
python3 -m unittest discover -s tests/e2e -t . -v
