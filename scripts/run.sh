#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${BUILD_PACKAGES[@]}"
configure_and_build build/release -DVORNIK_WINDOW=OFF -DVORNIK_BENCH=OFF
echo "Built the load calculation core (build/release). The window is not built yet, so there is nothing to start."
