#!/bin/bash
# Writes the two topic question files from their sources:
#   "Greek Fighters.questions" -> content/multiple/Greek Fighters.txt
#   "Greek Writing.questions"  -> content/multiple/Greek Writing.txt
# each through questionfile.sh, the writer every question file goes through.
#
# usage: make.sh [CONTENT_DIR]   (default: the repository's content folder)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
content=${1:-$here/../../content}
mkdir -p "$content/multiple"

for source in "$here"/*.questions; do
    bash "$here/questionfile.sh" "$source" "$content/multiple/$(basename "$source" .questions).txt"
done

echo "questions: $(ls "$here"/*.questions | wc -l) question files written to $content/multiple"
