#!/bin/bash
# Regenerates the page artwork from the page sources in text/ and the
# drawings in art/: every page as a screen copy in content/wmf and a print
# copy in content/wmf2, as placeable metafiles with real text, one unit per
# twip.  Needs Debian's inkscape, python3 and python3-pil, and the fonts of
# ../fonts.sh.
#
# usage: make.sh [CONTENT_DIR]   (default: the repository's content folder)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
content=${1:-$here/../../content}
python=/usr/bin/python3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/../fonts.sh"
content_fonts_setup "$work"

# A fresh Inkscape profile for every run keeps the output independent of any
# user's settings; the preference keeps text as text in the metafile.
mkdir -p "$work/profile"
cp "$here/inkscape-preferences.xml" "$work/profile/preferences.xml"

for page in "$here"/text/*.page; do
    "$python" "$here/layout.py" "$page" "$here/art" "$work/svg"
done

export_page() { # kind width height folder
    local kind=$1 width=$2 height=$3 folder=$4 svg name
    mkdir -p "$work/$folder"
    for svg in "$work/svg/$kind"/*.svg; do
        name=$(basename "$svg" .svg)
        INKSCAPE_PROFILE_DIR="$work/profile" inkscape "$svg" --export-type=wmf \
            --export-filename="$work/$folder/$name.wmf" >/dev/null 2>&1
        "$python" "$here/wmffix.py" "$work/$folder/$name.wmf" "$width" "$height"
        "$python" "$here/wmfgreek.py" "$work/$folder/$name.wmf"
    done
}

# Screen copies fit the viewer's free area (from 120 twips left and 0 top,
# left of the Print and Exit buttons at 10680 and above the bottom row of
# buttons at 7920); print copies fit an A4 or Letter page drawn 1000 twips
# into the printable area.
export_page screen 10440 7800 wmf
export_page print 9500 13000 wmf2

# Text stays text, stays on the page, and on screen is at least 11 pt.
"$python" "$here/checkpages.py" 10440 7800 220 "$work/wmf"/*.wmf
"$python" "$here/checkpages.py" 9500 13000 200 "$work/wmf2"/*.wmf

mkdir -p "$content/wmf" "$content/wmf2"
cp "$work/wmf"/*.wmf "$content/wmf/"
cp "$work/wmf2"/*.wmf "$content/wmf2/"
# Each page's words in reading order, beside its screen copy, for reading aloud.
cp "$work/svg/text"/*.txt "$content/wmf/"
echo "pages: $(ls "$work/wmf" | wc -l) pages written to $content/wmf and $content/wmf2"
