#!/usr/bin/env bash
# Every test, in three builds:
#  1. the optimized program: core and window tests (the window on Qt's
#     offscreen platform, no display needed), desktop entry and metainfo
#     validation, and the Debian package's contents and dependencies;
#  2. the same under AddressSanitizer and UndefinedBehaviorSanitizer: the
#     core's tests, and the whole window started, calculating, showing its
#     messages and quitting;
#  3. a bounded libFuzzer run (clang) over the number texts and the Calculate
#     command, checking their properties.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

configure_and_build build/release -DVORNIK_WERROR=ON
ctest --test-dir build/release --output-on-failure -j "$(nproc)"
rm -f build/release/vornik_*.deb
(cd build/release && cpack -G DEB >/dev/null)
scripts/check-deb.sh build/release

configure_and_build build/sanitize -DVORNIK_SANITIZE=ON -DVORNIK_BENCH=OFF -DVORNIK_WERROR=ON
ctest --test-dir build/sanitize --output-on-failure -j "$(nproc)"

CC=clang-14 CXX=clang++-14 configure_and_build build/fuzz \
    -DVORNIK_FUZZ=ON -DVORNIK_TESTS=OFF -DVORNIK_WINDOW=OFF -DVORNIK_BENCH=OFF -DVORNIK_WERROR=ON
mkdir -p build/fuzz/corpus
# New inputs go to build/fuzz/corpus; tests/fuzz_corpus holds the seeds only.
if build/fuzz/tests/fuzz_load -max_total_time="${VORNIK_FUZZ_SECONDS:-30}" -artifact_prefix=build/fuzz/ \
    -print_final_stats=1 build/fuzz/corpus tests/fuzz_corpus >build/fuzz/fuzz.log 2>&1; then
    grep -E '^(Done|stat::number_of_executed_units)' build/fuzz/fuzz.log
    echo "fuzz_load: no property broken"
else
    cat build/fuzz/fuzz.log
    echo "fuzz_load: FAILED (the input is saved in build/fuzz/)"
    exit 1
fi
