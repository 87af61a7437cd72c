#!/usr/bin/env bash
# Runs every test under Wine on a virtual display; ends with ctest's summary.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine-env.sh"
bash "$ROOT/scripts/prefix.sh"
bash "$ROOT/scripts/register.sh"
if [ -z "${LK_IN_XVFB:-}" ]; then
  export LK_IN_XVFB=1 BUILD_DIR
  exec xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" bash "$0" "$@"
fi
# A running wineserver keeps each test from paying Wine's start-up.
wineserver -p
wine cmd /c exit >/dev/null 2>&1 || true
rc=0
(cd "$BUILD_DIR" && ctest --output-on-failure --timeout 600 "$@") || rc=$?
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
exit $rc
