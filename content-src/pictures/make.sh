#!/bin/bash
# Renders every raster picture of the program into OUT/images from the SVG
# drawings beside this script, each at the pixel size of the box that shows
# it (15 twips to the pixel):
#
#   schoolsm.jpg        322 x 244  title screen and results (4800 x 3600),
#                                  main menu (4830 x 3660)
#   SPARTAN ARMY.jpg    800 x 610  fighters menu, behind its buttons (12000 x 9150)
#   horse5.jpg          396 x 590  writing menu (5940 x 8850)
#   SOLDIER.jpg         302 x 550  soldier-labelling screen (4530 x 8250)
#   SPARTAN ARMY2.jpg   146 x 105  fighters quiz picture (box 855 x 615 at
#                                  design, grows to fit): cut from SPARTAN ARMY
#   horsesm.jpg         146 x 105  writing quiz picture   (same box)
#
# Usage: make.sh [CONTENT_DIR]     default: the repository's content folder
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
OUT=${1:-$(cd "$(dirname "$0")" && pwd)/../../content}
mkdir -p "$OUT/images"
W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT
source "$(dirname "$0")/../fonts.sh"
content_fonts_setup "$W"
IM=/usr/bin/convert   # ImageMagick 6 by full path: another convert may come first

source "$HERE/svgjpeg.sh"
# jpeg DRAWING WIDTH HEIGHT     renders DRAWING.svg to OUT/images/DRAWING.jpg
jpeg() { svg_to_jpeg "$HERE/$1.svg" "$2" "$3" "$OUT/images/$1.jpg" "$W"; }

jpeg schoolsm 322 244
jpeg "SPARTAN ARMY" 800 610
jpeg horse5 396 590
jpeg SOLDIER 302 550
# The quiz picture is the front of the same phalanx, cut from the drawing
# at twice its size and brought down, so the two always agree.
rsvg-convert -w 1600 -h 1220 -b white "$HERE/SPARTAN ARMY.svg" -o "$W/army.png"
"$IM" "$W/army.png" -crop 640x460+300+380 +repage -resize 146x105! -background white -alpha remove \
    -alpha off -strip -sampling-factor 1x1 -quality 90 "$OUT/images/SPARTAN ARMY2.jpg"
jpeg horsesm 146 105

# Each leader line of the labelling screen must end on the part it names.
"$HERE/check-soldier-parts.sh" "$HERE/SOLDIER.svg"

echo "pictures: $(find "$OUT/images" -type f | wc -l) files in $OUT/images"
