#!/bin/bash
# Builds the release package: build/dist/Vantoscope-<version>-windows.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
python3 -m scripts.make_package
