#!/usr/bin/env bash
# Builds the optimized program and runs every test (the window's on Qt's
# offscreen platform, no display needed), then builds the core once more
# under AddressSanitizer and UndefinedBehaviorSanitizer and runs its tests
# again.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

configure_and_build build/release -DVORNIK_WERROR=ON
ctest --test-dir build/release --output-on-failure -j "$(nproc)"

configure_and_build build/sanitize -DVORNIK_SANITIZE=ON -DVORNIK_WINDOW=OFF -DVORNIK_BENCH=OFF -DVORNIK_WERROR=ON
ctest --test-dir build/sanitize --output-on-failure -j "$(nproc)"
