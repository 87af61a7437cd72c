#!/usr/bin/env bash
# Installs what the build and the tests need, from Debian's packages only.
# Idempotent and silent; safe to run on every `make`.
set -euo pipefail
cd "$(dirname "$0")/.."

SUDO=""
[ "$(id -u)" = 0 ] || SUDO="sudo"

PKGS=(cmake ninja-build make g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
      binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev wine wine64 xvfb xauth xdotool
      imagemagick fonts-wqy-microhei fonts-liberation dpkg-dev googletest python3)

missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# Source lists mirror the binary lists of this machine, so no host is written here.
enable_sources() {
  local f=/etc/apt/sources.list.d/lumenkit-src.sources
  [ -f "$f" ] && return 0
  local tmp; tmp=$(mktemp)
  for s in /etc/apt/sources.list.d/*.sources; do
    [ -f "$s" ] || continue
    sed -e 's/^Types:.*/Types: deb-src/' "$s" >>"$tmp"; echo >>"$tmp"
  done
  if [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >"${f%.sources}.list" || true
  fi
  $SUDO cp "$tmp" "$f"; rm -f "$tmp"
  NEED_UPDATE=1
}

NEED_UPDATE=0
TINY=build/third_party/tinyxml
[ -f "$TINY/tinyxml.cpp" ] || enable_sources
if [ ${#missing[@]} -gt 0 ] || [ "$NEED_UPDATE" = 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  # wine32 must never come along: it makes `wine` pick the 32-bit loader.
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q "install ok installed"; then
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq wine32 >/dev/null
fi

# TinyXML with Debian's patches applied; kept out of git under build/.
if [ ! -f "$TINY/tinyxml.cpp" ]; then
  mkdir -p build/third_party
  tmpd=$(mktemp -d)
  (cd "$tmpd" && apt-get source -qq tinyxml >/dev/null 2>&1)
  src=$(find "$tmpd" -maxdepth 1 -type d -name 'tinyxml-*' | head -n 1)
  [ -n "$src" ] || { echo "bootstrap: apt-get source tinyxml failed" >&2; exit 1; }
  rm -rf "$TINY"; mkdir -p "$TINY"
  cp "$src"/tinyxml.cpp "$src"/tinyxml.h "$src"/tinystr.cpp "$src"/tinystr.h \
     "$src"/tinyxmlerror.cpp "$src"/tinyxmlparser.cpp "$TINY"/
  rm -rf "$tmpd"
fi
exit 0
