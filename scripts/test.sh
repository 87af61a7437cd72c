#!/usr/bin/env bash
# Runs every test under Wine on a virtual display; ends with ctest's summary.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine-env.sh"
prepare_prefix
run_in_xvfb "$0" "$@"
wine_server_up
rc=0
(cd "$BUILD_DIR" && ctest --output-on-failure --timeout 600 "$@") || rc=$?
wine_server_down
exit $rc
