#!/bin/bash
# Renders every page metafile to a PNG for looking at: content/wmf/X.wmf to
# OUT/wmf/X.png and content/wmf2/X.wmf to OUT/wmf2/X.png, at 15 twips to the
# pixel (the screen's scale).  Uses the project's own renderer when a build
# has made it (wmf2png in a build folder), otherwise LibreOffice, whose
# picture of the page is then cut out of the A4 sheet it draws it on.
#
# usage: preview.sh OUT_DIR [CONTENT_DIR]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:?usage: preview.sh OUT_DIR [CONTENT_DIR]}
content=${2:-$here/../../content}
renderer=$(ls -t "$here"/../../build*/tools/wmf2png/wmf2png "$here"/../../build*/wmf2png 2>/dev/null \
    | head -n 1 || true)
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for folder in wmf wmf2; do
    mkdir -p "$out/$folder"
    if [ -n "$renderer" ]; then
        for wmf in "$content/$folder"/*.wmf; do
            "$renderer" "$wmf" "$out/$folder/$(basename "$wmf" .wmf).png"
        done
    else
        mkdir -p "$work/$folder"
        soffice -env:UserInstallation="file://$work/profile" --headless --convert-to png \
            --outdir "$work/$folder" "$content/$folder"/*.wmf >/dev/null 2>&1
        /usr/bin/python3 - "$content/$folder" "$work/$folder" "$out/$folder" <<'PY'
import os, struct, sys
from PIL import Image
src, sheets, out = sys.argv[1:4]
for name in sorted(os.listdir(src)):
    with open(os.path.join(src, name), "rb") as f:
        left, top, right, bottom, inch = struct.unpack("<hhhhH", f.read(16)[6:16])
    w, h = round((right - left) / inch * 96), round((bottom - top) / inch * 96)
    sheet = Image.open(os.path.join(sheets, name[:-4] + ".png")).convert("RGB")
    x, y = (sheet.width - w) // 2, (sheet.height - h) // 2  # centred on the sheet
    sheet.crop((x, y, x + w, y + h)).save(os.path.join(out, name[:-4] + ".png"))
PY
    fi
done
echo "previews in $out (renderer: ${renderer:-libreoffice})"
