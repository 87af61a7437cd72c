#!/usr/bin/env bash
# Registers the stand-in device component in the build's prefix (when built).
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
dll=$(ls "$BUILD_DIR"/dist/*.dll 2>/dev/null | head -n 1 || true)
[ -n "$dll" ] || exit 0
wine regsvr32 /s "$(winepath -w "$dll")" >/dev/null 2>&1 || true
# Let the wineserver go, so the caller can start its own persistent one.
wineserver -w 2>/dev/null || true
