#!/usr/bin/env bash
# Creates the Wine prefix once and sets it up for unattended GUI tests.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.lumenkit-ready"
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 || true
reg() { wine reg add "$@" /f >/dev/null 2>&1; }
# No window manager on Xvfb: unmanaged windows keep keys and close fast.
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d ''
reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 1
# The skin names the faces Windows has per language; map them to fonts installed here.
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
if [ -f "$font" ]; then
  cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  for face in "Microsoft YaHei UI" "Microsoft YaHei" "Microsoft JhengHei UI" "Microsoft JhengHei"; do
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "WenQuanYi Micro Hei"
  done
  for face in "Segoe UI" "Tahoma" "Liberation Sans" "Arial"; do
    reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei'
  done
fi
wineserver -w || true
touch "$stamp"
