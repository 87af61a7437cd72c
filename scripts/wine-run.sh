#!/usr/bin/env bash
# Runs a Windows program under the build's Wine prefix (used by ctest).
. "$(dirname "$0")/wine-env.sh"
exec wine "$@"
