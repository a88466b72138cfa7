#!/bin/bash
# Renders the application icon's PNG sizes for the hicolor theme from the one
# drawing beside this script, org.velmora.Velmora.svg (installed as the
# scalable icon). Up to 24 pixels the gold frame is left out and the owl
# drawn larger, so that it still reads as an owl. The Windows icon
# (windows/velmora.ico, for the program and its installer) holds the same
# sizes. Needs rsvg-convert (librsvg2-bin) and ImageMagick; the PNGs and the
# icon are committed, so building never needs them.
#
# Usage: make-icons.sh
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
ID=org.velmora.Velmora
SRC=$HERE/icons/$ID.svg
W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT

sed -e '/id="frame"/d' -e 's/translate(38,30) scale(1.8)/translate(-2,-12) scale(2.6)/' "$SRC" >"$W/small.svg"
grep -q 'scale(2.6)' "$W/small.svg" || { echo "make-icons.sh: the owl's transform in $SRC changed" >&2; exit 1; }

for size in 16 24 32 48 64 128 256; do
    drawing=$SRC
    [ "$size" -le 24 ] && drawing=$W/small.svg
    dir=$HERE/icons/hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    rsvg-convert -w "$size" -h "$size" "$drawing" -o "$dir/$ID.png"
done
convert $(for size in 16 24 32 48 64 128 256; do echo "$HERE/icons/hicolor/${size}x${size}/apps/$ID.png"; done) \
    "$HERE/windows/velmora.ico"
echo "icons: $(find "$HERE/icons/hicolor" -name "$ID.png" | wc -l) sizes in $HERE/icons/hicolor"
