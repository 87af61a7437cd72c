# Sourced by the run and test helpers: one Wine prefix per build tree.
ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEARCH=win64
export WINEDEBUG=-all
# winedbg off makes a crash exit 5 at once; mono and gecko would prompt at boot.
export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
