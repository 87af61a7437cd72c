#!/usr/bin/env bash
# Runs every benchmark program under Wine (on a virtual display) and prints
# what each measures. Benchmarks never fail the build or the tests.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine-env.sh"
prepare_prefix
run_in_xvfb "$0" "$@"
wine_server_up
for b in "$BUILD_DIR"/bench/*.exe; do
  [ -f "$b" ] || continue
  echo "== $(basename "$b")"
  (cd "$BUILD_DIR/bench" && wine "$b" "$@") || echo "(exit $?)"
done
echo "== e2e_bench.py"
python3 "$ROOT/bench/e2e_bench.py" || echo "(exit $?)"
wine_server_down
