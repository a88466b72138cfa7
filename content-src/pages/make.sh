#!/bin/bash
# Regenerates the page artwork from the page sources in text/ and the
# drawings in art/, and the pages of every topic unit (../units/<slug>/:
# key-a.page ... as "key <slug>a", notes-a.page ... as "<slug>a", their
# drawings looked up in the unit's art/ first, "@answers" alone giving the
# unit's own quiz): every page as a screen copy in content/wmf and a print
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

for page in "$here"/text/*.page; do
    "$python" "$here/layout.py" "$page" "$here/art" "$work/svg"
done
for unit in "$here"/../units/*/; do
    unit=${unit%/}
    [ -f "$unit/unit.conf" ] || continue
    slug=$(basename "$unit")
    for page in "$unit"/key-?.page "$unit"/notes-?.page; do
        [ -f "$page" ] || continue
        kind=$(basename "$page" .page)
        name="$slug${kind#*-}"
        [[ $kind == key-* ]] && name="key $name"
        "$python" "$here/layout.py" "$page" "$unit/art:$here/art" "$work/svg" "$name" "$unit/quiz.questions"
    done
done

# One Inkscape run per page copy, two at a time, each from a fresh profile
# of its own, so the output never depends on a user's settings or on the
# page exported before it; the preference keeps text as text in the metafile.
export_wmf() { # SVG WMF
    local profile
    profile=$(mktemp -d "$work/profile.XXXXXX")
    cp "$here/inkscape-preferences.xml" "$profile/preferences.xml"
    INKSCAPE_PROFILE_DIR="$profile" inkscape "$1" --export-type=wmf --export-filename="$2" >/dev/null 2>&1
    rm -rf "$profile"
    [ -s "$2" ] || { echo "inkscape made no metafile of $1" >&2; return 1; }
}
export -f export_wmf
export here work

# Screen copies fit the viewer's free area (from 120 twips left and 0 top,
# left of the Print and Exit buttons at 10680 and above the bottom row of
# buttons at 7920); print copies fit an A4 or Letter page drawn 1000 twips
# into the printable area.
mkdir -p "$work/wmf" "$work/wmf2"
for svg in "$work/svg/screen"/*.svg "$work/svg/print"/*.svg; do
    folder=wmf
    [[ $svg == "$work/svg/print/"* ]] && folder=wmf2
    printf '%s\0%s\0' "$svg" "$work/$folder/$(basename "$svg" .svg).wmf"
done | xargs -0 -n 2 -P "$(nproc)" bash -c 'export_wmf "$1" "$2"' _
"$python" "$here/wmffix.py" 10440 7800 "$work/wmf"/*.wmf
"$python" "$here/wmffix.py" 9500 13000 "$work/wmf2"/*.wmf
"$python" "$here/wmfgreek.py" "$work/wmf"/*.wmf "$work/wmf2"/*.wmf

# Text stays text, stays on the page, and on screen is at least 11 pt.
"$python" "$here/checkpages.py" 10440 7800 220 "$work/wmf"/*.wmf
"$python" "$here/checkpages.py" 9500 13000 200 "$work/wmf2"/*.wmf

mkdir -p "$content/wmf" "$content/wmf2"
cp "$work/wmf"/*.wmf "$content/wmf/"
cp "$work/wmf2"/*.wmf "$content/wmf2/"
# Each page's words in reading order, beside its screen copy, for reading aloud.
cp "$work/svg/text"/*.txt "$content/wmf/"
echo "pages: $(ls "$work/wmf" | wc -l) pages written to $content/wmf and $content/wmf2"
