#!/usr/bin/env bash
# Builds the program (quietly; the log is kept in build/app) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${BUILD_PACKAGES[@]}"
mkdir -p build/app
echo "Building Vornik..."
if ! configure_and_build build/app -DVORNIK_TESTS=OFF -DVORNIK_BENCH=OFF >build/app/build.log 2>&1; then
    cat build/app/build.log
    exit 1
fi
exec build/app/window/vornik
