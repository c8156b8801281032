#!/usr/bin/env bash
# Builds everything and runs every test, offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
