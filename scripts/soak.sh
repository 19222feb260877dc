#!/bin/bash
# The long soak: seeded desktop churn around Vantoscope with checks throughout.
#   scripts/soak.sh [--minutes 30] [--seed N]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh win64
trap 'python3 tests/e2e/testbed.py --cleanup' EXIT
python3 tests/e2e/soak.py "$@"
