#!/usr/bin/env bash
# Builds everything and starts the program on the demo data folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build
exec ./build/bin/zelmartek "$@"
