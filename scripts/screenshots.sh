#!/usr/bin/env bash
# Takes the README's screenshots of the real window: the end-to-end test
# saves what it looks at into docs/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZEMKO_BUILD_DIR:-$root/build}"
bash "$root/scripts/build.sh"
mkdir -p "$root/docs"
ZEMKO_SCREENSHOT_DIR="$root/docs" xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp -noreset" \
    "$build/tests/tst_player_e2e" playsPausesAndLeavesFullScreen "mapPaneFollowsTheTrack:track"
