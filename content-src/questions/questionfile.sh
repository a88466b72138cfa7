#!/bin/bash
# Writes one question file from its source:
#   questionfile.sh SOURCE.questions TARGET.txt
# The question-file format: line 1 the title, line 2 " ", then ten blocks of
# seven lines (question, answers A to D, the digit 1-4 of the right answer,
# " "); 72 lines, each ending CR LF, one Windows-1252 byte per character, and
# every comma in a text stored as "&" (the loader turns "&" back into ",").
# The source: its first text line the title, then ten blocks of a question
# and four answers, the right one marked with "*"; "#" lines are notes.
# TARGET is written only when the whole file is right.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source=$1
target=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every question and answer must fit its box on the quiz screen (checked when
# python3-pil is there to measure the text).
if /usr/bin/python3 -c 'import PIL' 2>/dev/null; then
    /usr/bin/python3 "$here/checkfit.py" "$source"
fi

# Source blocks: a question, four answers, the right one marked with "*".
awk -v src="$source" '
    function fail(msg) { printf "%s:%d: %s\n", src, NR, msg > "/dev/stderr"; bad = 1; exit 1 }
    function field(text) {
        if (text ~ /&/) fail("\"&\" would load back as a comma")
        if (text ~ /^[ "]/) fail("a text must not start with a space or a double quote")
        gsub(/,/, "\\&", text)
        return text
    }
    function flush() {
        if (n == 0) return
        if (n != 5) fail("a block needs a question and four answers")
        if (right == 0) fail("no answer is marked with *")
        printf "%s\r\n", field(line[0])
        for (i = 1; i <= 4; i++) printf "%s\r\n", field(line[i])
        printf "%d\r\n \r\n", right
        blocks++; n = 0; right = 0
    }
    /^#/ { next }
    { sub(/\r$/, ""); sub(/[ \t]+$/, "") }
    title == "" && NF { title = $0; printf "%s\r\n \r\n", field(title); next }
    !NF { flush(); next }
    {
        text = $0
        if (n >= 1 && substr(text, 1, 1) == "*") {
            if (right) fail("more than one answer is marked with *")
            right = n; text = substr(text, 2)
        }
        line[n++] = text
    }
    END {
        if (bad) exit 1
        flush()
        if (blocks != 10) { printf "%s: %d questions, not 10\n", src, blocks > "/dev/stderr"; exit 1 }
    }
' "$source" > "$work/file.utf8"
# One byte per character in Windows-1252; iconv fails on anything else.
iconv -f UTF-8 -t WINDOWS-1252 "$work/file.utf8" > "$work/file.txt"

# Check the result: 72 lines, every one ending CR LF, no bare CR or LF.
lines=$(tr -cd '\n' < "$work/file.txt" | wc -c)
crlf=$(grep -c $'\r$' "$work/file.txt" || true)
bare_cr=$(tr -cd '\r' < "$work/file.txt" | wc -c)
if [ "$lines" -ne 72 ] || [ "$crlf" -ne 72 ] || [ "$bare_cr" -ne 72 ] \
    || [ "$(tail -c 2 "$work/file.txt" | od -An -tx1 | tr -d ' ')" != "0d0a" ]; then
    echo "$target: expected 72 lines ending CR LF (lines $lines, CR LF $crlf, CR $bare_cr)" >&2
    exit 1
fi
# Right answers are digits 1-4 on lines 8, 15, ..., 71.
if awk 'NR % 7 == 1 && NR > 2 && $0 !~ /^[1-4]\r$/ { exit 1 }' "$work/file.txt"; then :; else
    echo "$target: a right-answer line is not 1-4" >&2
    exit 1
fi
cp "$work/file.txt" "$target"
