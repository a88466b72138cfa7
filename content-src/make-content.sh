#!/bin/bash
# Regenerates every content file of the program from the sources in this
# folder, with Debian 12 tools only:
#
#   pictures/make.sh   images/*.jpg             rsvg-convert, ImageMagick 6
#   logo/make.sh       logo/*.bmp, logo/*.gif   rsvg-convert, ImageMagick 6
#   sounds/make.sh     wav/*.wav                sox, ffmpeg, espeak-ng
#   pages/make.sh      wmf/*.wmf, wmf2/*.wmf    inkscape, python3, python3-pil
#   questions/make.sh  multiple/<topic>.txt     awk
#   units/make.sh      units/<slug>/*           python3, python3-pil, rsvg-convert,
#                                               ImageMagick 6 (the units' pages: pages/make.sh)
#
# Debian 12 packages: librsvg2-bin imagemagick sox ffmpeg espeak-ng inkscape
# python3-pil, and the fonts named in fonts.sh (fonts-liberation,
# fonts-dejavu-core). Every part sees only those fonts (fonts.sh).
#
# plus the empty worksheet catalogue multiple/track.txt and MANIFEST.sha256,
# the checksum of every generated file.
#
# Usage: make-content.sh [OUT_DIR]     default: the repository's content folder
#
# Every part is built into a fresh staging folder first and only then copied
# over OUT_DIR, so a failed run leaves the committed files alone. Files in
# OUT_DIR that no script makes are reported, never deleted.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
OUT=${1:-$(cd "$HERE/.." && pwd)/content}
STAGE=$(mktemp -d)
FONTS=$(mktemp -d)
trap '[[ -n ${sounds:-} ]] && kill "$sounds" 2>/dev/null; rm -rf "$STAGE" "$STAGE.sounds.log" "$FONTS"' EXIT
source "$HERE/fonts.sh"
content_fonts_setup "$FONTS"

# The sounds, made with other tools than the rest, are made meanwhile, on
# the second processor; their report follows the others'.
bash "$HERE/sounds/make.sh" "$STAGE" >"$STAGE.sounds.log" 2>&1 &
sounds=$!
for kind in pictures logo pages questions units; do
    echo "== $kind"
    bash "$HERE/$kind/make.sh" "$STAGE"
done
echo "== sounds"
wait "$sounds" && status=0 || status=$?
sounds=
cat "$STAGE.sounds.log"
rm -f "$STAGE.sounds.log"
((status == 0)) || exit "$status"

# The worksheet catalogue as shipped: no worksheets yet. The program reads a
# count and then that many titles; a teacher's worksheets are added later.
mkdir -p "$STAGE/multiple"
printf ' 0 \r\n' >"$STAGE/multiple/track.txt"

# The manifest lists paths relative to the content folder, in byte order.
(cd "$STAGE" && find . -type f -printf '%P\0' | LC_ALL=C sort -z | xargs -0 sha256sum) >"$STAGE.manifest"
mv "$STAGE.manifest" "$STAGE/MANIFEST.sha256"

mkdir -p "$OUT"
cp -R "$STAGE"/. "$OUT"/

# Anything left in OUT_DIR that this run did not make is worth a look.
extra=$(cd "$OUT" && find . -type f -printf '%P\n' | LC_ALL=C sort |
        LC_ALL=C comm -23 - <(cd "$STAGE" && find . -type f -printf '%P\n' | LC_ALL=C sort))
if [[ -n $extra ]]; then
    echo "note: these files in $OUT are not made by any script:"
    while IFS= read -r f; do echo "  $f"; done <<<"$extra"
fi
echo "content: $(($(wc -l <"$STAGE/MANIFEST.sha256"))) files written to $OUT"
