#!/usr/bin/env bash
# Builds the player and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZEMKO_BUILD_DIR:-$root/build}"
bash "$root/scripts/build.sh"
exec "$build/zemko-player" "$@"
