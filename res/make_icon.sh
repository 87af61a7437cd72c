#!/usr/bin/env bash
# Draws the application icon: a ring of coloured LEDs on a dark tile.
set -euo pipefail
out=$1
CONVERT=/usr/bin/convert
args=(-size 256x256 xc:none -fill '#161a22' -stroke '#2c3342' -strokewidth 6
      -draw 'roundrectangle 10,10 246,246 52,52' -stroke none)
colors=('#ff3b3b' '#ffb020' '#f5f53a' '#3bff6a' '#2ee6ff' '#3b6bff' '#b43bff' '#ff3bc4')
for i in "${!colors[@]}"; do
  read -r x y < <(awk -v i="$i" 'BEGIN{a=(i*45-90)*3.14159265/180; printf "%d %d\n", 128+78*cos(a), 128+78*sin(a)}')
  args+=(-fill "${colors[$i]}" -draw "circle $x,$y $((x+20)),$y")
done
args+=(-fill '#e8ecf4' -draw 'circle 128,128 150,128')
tmp=$(mktemp --suffix=.png)
"$CONVERT" "${args[@]}" "$tmp"
"$CONVERT" "$tmp" -define icon:auto-resize=256,48,32,16 "$out"
rm -f "$tmp"
