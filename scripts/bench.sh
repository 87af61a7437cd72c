#!/usr/bin/env bash
# Runs every benchmark program under Wine (on a virtual display) and prints
# what each measures. Benchmarks never fail the build or the tests.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine-env.sh"
bash "$ROOT/scripts/prefix.sh"
bash "$ROOT/scripts/register.sh"
if [ -z "${LK_IN_XVFB:-}" ]; then
  export LK_IN_XVFB=1 BUILD_DIR
  exec xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" bash "$0" "$@"
fi
wineserver -p
wine cmd /c exit >/dev/null 2>&1 || true
for b in "$BUILD_DIR"/bench/*.exe; do
  [ -f "$b" ] || continue
  echo "== $(basename "$b")"
  (cd "$BUILD_DIR/bench" && wine "$b" "$@") || echo "(exit $?)"
done
echo "== e2e_bench.py"
python3 "$ROOT/bench/e2e_bench.py" || echo "(exit $?)"
wineserver -k 2>/dev/null || true
