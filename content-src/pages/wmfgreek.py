#!/usr/bin/python3
"""Rewrite the Greek text of a page metafile into the face of its page.

layout.py writes Greek words as Latin letters in the "Symbol" face (Adobe
Symbol encoding), the only way Greek survives Inkscape's metafile export.
Symbol is a serif face, out of place among the Arial text of the pages.
Here every font record for "Symbol" becomes Arial with the Greek character
set (161), every text drawn with it is re-encoded from Symbol letters to
Windows-1253 Greek, and its spacing array is recomputed from Liberation
Sans, the face the program draws Arial with, so the Greek words stand in
the same face as the text around them and keep the widths layout.py gave
them.

usage: wmfgreek.py FILE...   (rewrites each FILE in place)
"""
import os
import struct
import sys

from PIL import ImageFont

FONT_DIR = "/usr/share/fonts/truetype/liberation"
GREEK_CHARSET = 161
CREATE_FONT, SELECT_OBJECT, DELETE_OBJECT, EXT_TEXT_OUT = 0x02FB, 0x012D, 0x01F0, 0x0A32
# Records that take a slot in the metafile's object table.
CREATES = {0x00F7, 0x01F9, 0x0142, 0x02FA, 0x02FB, 0x02FC, 0x06FF}
# Adobe Symbol encoding: the Latin letter the Symbol face draws as each Greek letter.
SYMBOL_LETTERS = "ABGDEZHQIKLMNXOPRSTUFCYWabgdezhqiklmnxoprstufcyw"
GREEK_LETTERS = "ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩαβγδεζηθικλμνξοπρστυφχψω"
TO_GREEK = str.maketrans(SYMBOL_LETTERS, GREEK_LETTERS)


def greek(latin: str) -> str:
    """The Greek letters that the Symbol face shows for Latin text."""
    return latin.translate(TO_GREEK)


_faces = {}


def face(bold: bool, size: int):
    key = (bold, size)
    if key not in _faces:
        name = "LiberationSans-Bold.ttf" if bold else "LiberationSans-Regular.ttf"
        _faces[key] = ImageFont.truetype(os.path.join(FONT_DIR, name), size)
    return _faces[key]


def rewrite_font(body: bytearray) -> bool:
    """Turns a Symbol font record into Greek Arial; True when it was Symbol."""
    name = bytes(body[18:]).split(b"\0")[0]
    if name != b"Symbol":
        return False
    body[13] = GREEK_CHARSET  # lfCharSet, after five 16-bit fields and three flag bytes
    body[18:] = b"Arial".ljust(len(body) - 18, b"\0")
    return True


def rewrite_text(body: bytearray, height: int, bold: bool) -> None:
    count, options = struct.unpack_from("<hH", body, 4)
    start = 8 + (8 if options & 0x0006 else 0)
    text = greek(bytes(body[start:start + count]).decode("latin-1"))
    body[start:start + count] = text.encode("cp1253")
    spacing = start + count + (count & 1)
    if len(body) >= spacing + 2 * count:
        font = face(bold, abs(height))
        struct.pack_into(f"<{count}h", body, spacing, *(round(font.getlength(ch)) for ch in text))


def convert(data: bytes) -> bytes:
    out = bytearray(data)
    at = 22 + 18  # placeable and standard headers
    table = {}  # slot -> ("font", (height, bold) for a Greek font or None), or ("other",)
    current = None  # (height, bold) while a Greek font is selected
    while at + 6 <= len(out):
        size, function = struct.unpack_from("<IH", out, at)
        if size < 3 or at + 2 * size > len(out):
            raise SystemExit("damaged metafile record")
        body = memoryview(out)[at + 6:at + 2 * size]
        if function in CREATES:
            slot = next(i for i in range(len(table) + 1) if i not in table)
            table[slot] = ("other",)
            if function == CREATE_FONT:
                record = bytearray(body)
                greek_font = None
                if rewrite_font(record):
                    height, weight = struct.unpack_from("<h6xh", record, 0)
                    greek_font = (height, weight >= 600)
                    body[:] = record
                table[slot] = ("font", greek_font)
        elif function == DELETE_OBJECT:
            table.pop(struct.unpack_from("<H", body)[0], None)
        elif function == SELECT_OBJECT:
            selected = table.get(struct.unpack_from("<H", body)[0], ("other",))
            if selected[0] == "font":
                current = selected[1]
        elif function == EXT_TEXT_OUT and current is not None:
            record = bytearray(body)
            rewrite_text(record, *current)
            body[:] = record
        elif function == 0x0000:
            break
        at += 2 * size
    return bytes(out)


def main() -> None:
    for path in sys.argv[1:]:
        with open(path, "rb") as f:
            data = f.read()
        with open(path, "wb") as f:
            f.write(convert(data))


if __name__ == "__main__":
    main()
