#!/usr/bin/env bash
# Start-up of vornik against a bare Qt window with the same twenty controls:
# time from exec to the window mapped on an X display, and peak memory, in one
# run on a private Xvfb display. Usage: bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" xvfb libx11-dev
configure_and_build build/release >/dev/null

runs=${1:-30}
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
sleep 1
DISPLAY=$display build/release/bench/startup_probe "$runs" build/release/window/vornik build/release/bench/bare_window
