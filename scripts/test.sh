#!/bin/bash
# The whole test run: builds everything, runs the native unit tests (also under sanitizers) and
# the static analysis, then the end-to-end tests of the 64-bit and the 32-bit Vantoscope.exe
# under Wine (with a short churn of the desktop) and the release package check. Where this
# machine does not run 32-bit programs, the 32-bit program is built but its stories are skipped.
# Exits non-zero on any failure and leaves no process behind.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

skipped=""
if ! reason=$(python3 -m desk 32bit); then
    skipped="The 32-bit program's stories are skipped: $reason."
    echo "== $skipped"
fi

# Whatever happens, no desktop or Wine process of the tests outlives this script; the summary
# says again what was skipped.
summary() {
    local status=$?
    python3 -m desk
    echo "== summary: $([ $status -eq 0 ] && echo "all passed" || echo "FAILED (exit status $status)")"
    [ -z "$skipped" ] || echo "== $skipped"
}
trap summary EXIT

scripts/build.sh

echo "== native unit tests"
ctest --test-dir build/native --output-on-failure -j2

echo "== native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --test-dir build/native-sanitize --output-on-failure -j2

echo "== static analysis"
scripts/lint.sh

echo "== end-to-end tests under Wine"
python3 -m desk prepare
python3 -m unittest discover -s tests/e2e -t . -v
