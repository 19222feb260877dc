#!/bin/bash
# Set-up and run: installs what is missing, builds, and runs Vantoscope on a private
# two-monitor desktop with a few sample windows, one of them mirrored; its trace goes to the
# terminal and a screenshot of both monitors to a file. Stops on Ctrl-C or after --seconds N.
#   scripts/run.sh [--seconds N] [--shot FILE] [--scaled] [--dpi 96|144|192] [--zoom]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh win64
trap 'python3 -m desk' EXIT
python3 -m scripts.run_demo "$@"
