#!/bin/bash
# Makes every topic unit's content from its folder here (format in README.md):
#
#   unit.conf, the pages' files    units/<slug>/unit.txt    describe.py: the two activities
#                                                            laid out, every text measured and
#                                                            every leader line checked
#   quiz.questions                 units/<slug>/questions.txt   ../questions/questionfile.sh
#   menu.svg                       units/<slug>/menu.jpg        592 x 464 (8880 x 6960 twips)
#   quiz.svg                       units/<slug>/quiz.jpg        146 x 105
#   labelling.svg                  units/<slug>/labelling.jpg   360 x 360 (5400 x 5400 twips)
#
# after checkunit.py's teaching rules, and prints each unit's reading ease.
# The pages themselves are made by ../pages/make.sh.
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
source "$here/../pictures/svgjpeg.sh"

units=()
for folder in "$here"/*/; do
    [ -f "$folder/unit.conf" ] && units+=("${folder%/}")
done
if [ ${#units[@]} -eq 0 ]; then
    echo "units: none"
    exit 0
fi

"$python" "$here/checkunit.py" "${units[@]}"
"$python" "$here/readability.py" "${units[@]}"
"$python" "$here/describe.py" "$content" "${units[@]}"
for unit in "${units[@]}"; do
    out="$content/units/$(basename "$unit")"
    bash "$here/../questions/questionfile.sh" "$unit/quiz.questions" "$out/questions.txt"
    svg_to_jpeg "$unit/menu.svg" 592 464 "$out/menu.jpg" "$work"
    svg_to_jpeg "$unit/quiz.svg" 146 105 "$out/quiz.jpg" "$work"
    svg_to_jpeg "$unit/labelling.svg" 360 360 "$out/labelling.jpg" "$work"
done
echo "units: ${#units[@]} units written to $content/units"
