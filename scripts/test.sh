#!/bin/sh
# Installs what is needed, builds Ordovan and runs every test.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD_DIR" -j"$(nproc)"
cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)" --timeout 600
