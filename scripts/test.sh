#!/usr/bin/env bash
# Builds everything and runs every test, offscreen: once in the normal build and once more
# under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j2
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DZELMAR_SANITIZE=ON
ctest --test-dir build-asan --output-on-failure -j2
