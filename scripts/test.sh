#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZEMKO_BUILD_DIR:-$root/build}"
bash "$root/scripts/build.sh"
cd "$build"
xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp -noreset" \
    ctest --output-on-failure --timeout 600 "$@" 2>&1 | tee "$build/ctest.log"
status=${PIPESTATUS[0]}
grep -E "tests passed|tests failed" "$build/ctest.log" | tail -n 1
exit "$status"
