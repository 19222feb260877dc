#!/bin/bash
# The benchmark: prints a table of figures and writes build/benchmark.json.
#   scripts/benchmark.sh [--changes N] [--cpu-seconds S] [--json FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh win64
trap 'python3 -m desk' EXIT
python3 -m bench.benchmark "$@"
