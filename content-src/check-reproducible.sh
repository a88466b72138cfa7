#!/bin/bash
# Proves that the committed content folder is exactly what make-content.sh
# makes: regenerates everything into a temporary folder and compares it
# with the committed files byte for byte, and with MANIFEST.sha256.
#
# Usage: check-reproducible.sh [CONTENT_DIR]   default: the repository's content folder
#
# Exit status: 0 identical, 1 a difference, 77 skipped because a tool the
# scripts need is missing (the committed files are then left unchecked;
# install the packages named in make-content.sh to run the check).
set -uo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
CONTENT=${1:-$(cd "$HERE/.." && pwd)/content}

missing=()
for tool in rsvg-convert /usr/bin/convert sox soxi ffmpeg espeak-ng inkscape awk sha256sum; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
/usr/bin/python3 -c 'import PIL' >/dev/null 2>&1 || missing+=(python3-pil)
source "$HERE/fonts.sh"
# describe.py measures the units' texts in the faces the program draws with.
for font in "${CONTENT_FONT_FILES[@]}" /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf \
    /usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf; do
    [[ -f $font ]] || missing+=("$font")
done
if ((${#missing[@]})); then
    echo "SKIP: content not regenerated, missing tools: ${missing[*]}"
    exit 77
fi

FRESH=$(mktemp -d)
trap 'rm -rf "$FRESH"' EXIT
if ! bash "$HERE/make-content.sh" "$FRESH" >"$FRESH.log" 2>&1; then
    cat "$FRESH.log"
    rm -f "$FRESH.log"
    echo "FAILED: make-content.sh did not finish"
    exit 1
fi
rm -f "$FRESH.log"

status=0
# Every generated file must be committed, unchanged.
while IFS= read -r -d '' f; do
    if [[ ! -f $CONTENT/$f ]]; then
        echo "missing from $CONTENT: $f"
        status=1
    elif ! cmp -s "$FRESH/$f" "$CONTENT/$f"; then
        echo "differs: $f"
        status=1
    fi
done < <(cd "$FRESH" && find . -type f -printf '%P\0' | LC_ALL=C sort -z)
# Nothing may be committed that the scripts do not make.
while IFS= read -r -d '' f; do
    if [[ $f != MANIFEST.sha256 && ! -f $FRESH/$f ]]; then
        echo "not made by any script: $f"
        status=1
    fi
done < <(cd "$CONTENT" && find . -type f -printf '%P\0' | LC_ALL=C sort -z)
# And the committed manifest must still describe the committed files.
if ! (cd "$CONTENT" && sha256sum --quiet --check MANIFEST.sha256); then
    echo "MANIFEST.sha256 does not match the committed files"
    status=1
fi

if ((status == 0)); then
    echo "OK: $(($(wc -l <"$FRESH/MANIFEST.sha256"))) content files are exactly what make-content.sh makes"
fi
exit $status
