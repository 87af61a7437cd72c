#!/usr/bin/env bash
# Starts the configurator with its stand-ins. Without a display it runs on a
# virtual one, saves a screenshot and prints its path.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/wine-env.sh"
prepare_prefix
EXE="$BUILD_DIR/dist/LumenkitConfig.exe"
TITLE="Veltrane Lumenkit_Config"

if [ -n "${DISPLAY:-}" ] && [ -z "${LK_IN_XVFB:-}" ]; then
  exec wine "$EXE"
fi

if [ -z "${LK_IN_XVFB:-}" ]; then
  export LK_IN_XVFB=1 BUILD_DIR
  export LK_SHOT="$BUILD_DIR/screenshots/run-$(date +%Y%m%d-%H%M%S).png"
  xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" bash "$0" "$@"
  echo "$LK_SHOT"
  exit 0
fi
mkdir -p "$(dirname "$LK_SHOT")"
wine "$EXE" &
wid=""
for _ in $(seq 1 300); do
  wid=$(xdotool search --name "^$TITLE\$" 2>/dev/null | head -n 1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "the configurator window did not appear" >&2; wineserver -k; exit 1; }
sleep 1.5  # let the first paint settle before the picture
/usr/bin/import -window root "$LK_SHOT"
wine_server_down
