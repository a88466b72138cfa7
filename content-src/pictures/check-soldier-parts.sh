#!/bin/bash
# Proves that each yellow leader line of the soldier-labelling screen ends on
# the part of the soldier drawing that its box names.
#
# The drawing is rendered once more as a flat "part map" (part-map.css paints
# every named part in one pure colour and everything else white). Every pixel
# within 3 pixels of each line's picture-side end must have its part's
# colour, so the end sits well inside the part, not on its edge.
#
# Usage: check-soldier-parts.sh [SOLDIER.svg]      exit 0 when every end hits
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
SVG=${1:-$HERE/SOLDIER.svg}
W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT

# The picture box: Left 4800, Top -120 twips; 302 x 550 pixels at 15 twips each.
PIC_LEFT=4800 PIC_TOP=-120 TWIPS_PER_PIXEL=15

rsvg-convert -s "$HERE/part-map.css" -w 302 -h 550 "$SVG" -o "$W/map.png"

# part, map colour, end of the leader line on the picture side (twips)
failures=0
while read -r part colour x y; do
    px=$(((x - PIC_LEFT) / TWIPS_PER_PIXEL))
    py=$(((y - PIC_TOP) / TWIPS_PER_PIXEL))
    got=$(/usr/bin/convert "$W/map.png" -crop "7x7+$((px - 3))+$((py - 3))" -depth 8 txt:- |
          grep -o '#[0-9A-F]\{6\}' | sort -u | tr '\n' ' ' | sed 's/ $//')
    if [[ $got == "$colour" ]]; then
        echo "ok   $part: line end ($x, $y) twips = pixel ($px, $py) and the 7 x 7 pixels around it lie on the $part"
    else
        echo "FAIL $part: line end ($x, $y) twips = pixel ($px, $py) shows $got, not the $part ($colour)"
        failures=$((failures + 1))
    fi
done <<'EOF'
greaves     #FF00FF 7800 6360
breastplate #0000FF 7320 3000
spear       #FF0000 5640 1320
shield      #00FF00 6120 3240
plume       #FFFF00 7680 1560
EOF
exit $((failures > 0))
