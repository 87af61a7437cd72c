# Sourced by the run and test helpers: one Wine prefix per build tree.
ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEARCH=win64
export WINEDEBUG=-all
# winedbg off makes a crash exit 5 at once; mono and gecko would prompt at boot.
export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"

# The prefix made and the stand-in device component registered in it.
prepare_prefix() {
  bash "$ROOT/scripts/prefix.sh"
  bash "$ROOT/scripts/register.sh"
}

# Re-runs the calling script on a virtual display, once. xvfb-run runs its
# command through dash, which drops exported functions: hence a re-exec.
run_in_xvfb() {
  [ -n "${LK_IN_XVFB:-}" ] && return 0
  export LK_IN_XVFB=1 BUILD_DIR
  exec xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" bash "$@"
}

# A persistent server spares each program Wine's start-up. The system processes
# the first client boots must not hold the caller's output open.
wine_server_up() {
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

wine_server_down() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
