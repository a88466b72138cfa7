#!/bin/bash
# Builds the publisher's logo bitmap and the twenty frames of its animation
# into OUT/logo from the SVG drawings beside this script.
#
# Usage: make.sh [CONTENT_DIR]     default: the repository's content folder
#
# quorvane2.bmp is an uncompressed 24-bit BMP; quor0000.gif to quor0019.gif
# are 120 x 120 GIFs of at most 64 colours. Neither format carries a date,
# so the same sources always give the same bytes.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
OUT=${1:-$(cd "$(dirname "$0")" && pwd)/../../content}
mkdir -p "$OUT/logo"
OUT=$(cd "$OUT" && pwd)   # absolute, for the cd below
W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT
source "$(dirname "$0")/../fonts.sh"
content_fonts_setup "$W"
IM=/usr/bin/convert   # ImageMagick 6 by full path: another convert may come first

# The drawings place owl.svg by a relative link; the frames are written to
# the work folder, so the owl goes there too.
cd "$HERE"
cp owl.svg "$W/owl.svg"

rsvg-convert -w 120 -h 89 quorvane2.svg -o "$W/logo.png"
"$IM" "$W/logo.png" -background white -alpha remove -alpha off -type TrueColor BMP3:"$OUT/logo/quorvane2.bmp"

for k in $(seq 0 19); do
    # Half a turn in twenty steps; the coin is 6 pixels thick. The shine
    # band (34 pixels wide, leaning 18 degrees, so up to 54 pixels across)
    # sweeps over the face from wholly left of it (x < -44) to wholly right
    # of it (x > 130) in twenty steps, so frame 0 follows frame 19 without
    # a jump: both ends of its path are off the face.
    read -r sx fx bx rx tw gx < <(awk -v k="$k" 'BEGIN {
        pi = atan2(0, -1); a = k * pi / 20; c = cos(a); s = sin(a)
        sx = (c < 0 ? -c : c); if (sx < 0.02) sx = 0.02
        fx = 60 - 3 * s; bx = 60 + 3 * s
        printf "%.4f %.3f %.3f %.3f %.3f %.2f\n", sx, fx, bx, 50 * sx, bx - fx, -44 + 174 * k / 20 }')
    sed -e "s/@SX@/$sx/g" -e "s/@FX@/$fx/g" -e "s/@BX@/$bx/g" -e "s/@RX@/$rx/g" \
        -e "s/@TW@/$tw/g" -e "s/@GX@/$gx/g" coin-frame.svg.in >"$W/frame.svg"
    rsvg-convert -w 120 -h 120 "$W/frame.svg" -o "$W/frame.png"
    "$IM" "$W/frame.png" -alpha off +dither -colors 64 "$OUT/logo/$(printf 'quor%04d.gif' "$k")"
done
echo "logo: $(find "$OUT/logo" -type f | wc -l) files in $OUT/logo"
