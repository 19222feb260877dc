#!/bin/bash
# The long soak: seeded desktop churn around Vantoscope with checks throughout.
#   scripts/soak.sh [--minutes 30] [--seed N]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh win64
trap 'python3 -m desk' EXIT
python3 -m scripts.soak "$@"
