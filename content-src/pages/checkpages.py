#!/usr/bin/python3
"""Check finished page metafiles: exact size in twips, a valid placeable
header, text kept as text, every text inside the page, and (for screen
copies) no text smaller than a pupil can read.

usage: checkpages.py WIDTH HEIGHT MIN_TEXT_TWIPS FILE.wmf...
"""
import struct
import sys

EXTTEXTOUT, CREATEFONTINDIRECT, SELECTOBJECT, DELETEOBJECT = 0x0A32, 0x02FB, 0x012D, 0x01F0
CREATE_RECORDS = {0x02FA, 0x02FC, 0x02FB, 0x00F7, 0x01F9, 0x06FF, 0x0142}


def check(path, width, height, min_text):
    problems = []
    with open(path, "rb") as f:
        data = f.read()
    key, _, left, top, right, bottom, inch, _, checksum = struct.unpack_from("<IHhhhhHIH", data, 0)
    words = struct.unpack_from("<10H", data, 0)
    xor = 0
    for w in words:
        xor ^= w
    if key != 0x9AC6CDD7 or xor != checksum:
        problems.append("bad placeable header")
    if (left, top, right, bottom, inch) != (0, 0, width, height, 1440):
        problems.append(f"frame {left},{top},{right},{bottom} at {inch} units per inch")
    size_words = struct.unpack_from("<I", data, 22 + 6)[0]
    if size_words * 2 != len(data) - 22:
        problems.append("header size field does not match the file")

    objects = {}  # object table slot -> font height, or None for other objects
    selected_height = None
    texts = 0
    offset = 22 + 18
    while offset + 6 <= len(data):
        size, function = struct.unpack_from("<IH", data, offset)
        if size < 3 or offset + size * 2 > len(data):
            problems.append("record runs past the end")
            break
        body = data[offset + 6: offset + size * 2]
        if function == 0:
            break
        if function in CREATE_RECORDS:
            slot = next(i for i in range(len(objects) + 1) if i not in objects)
            objects[slot] = abs(struct.unpack_from("<h", body)[0]) if function == CREATEFONTINDIRECT else None
        elif function == DELETEOBJECT:
            objects.pop(struct.unpack_from("<H", body)[0], None)
        elif function == SELECTOBJECT:
            slot = struct.unpack_from("<H", body)[0]
            if objects.get(slot) is not None:
                selected_height = objects[slot]
        elif function == EXTTEXTOUT:
            y, x, count, options = struct.unpack_from("<hhhH", body)
            at = 8 + (8 if options & 0x0006 else 0)
            text = body[at: at + count]
            dx_at = at + count + (count & 1)
            dx = struct.unpack_from(f"<{count}h", body, dx_at) if len(body) >= dx_at + 2 * count else ()
            texts += 1
            if selected_height is not None and selected_height < min_text:
                problems.append(f"text {text!r} is only {selected_height} twips high")
            if x < 0 or y < 0 or x + sum(dx) > width or y > height:
                problems.append(f"text {text!r} at {x},{y} leaves the page")
        offset += size * 2
    if texts == 0:
        problems.append("no text records: text was turned into shapes")
    return problems


def main():
    width, height, min_text = (int(v) for v in sys.argv[1:4])
    bad = False
    for path in sys.argv[4:]:
        for problem in check(path, width, height, min_text):
            print(f"{path}: {problem}", file=sys.stderr)
            bad = True
    sys.exit(1 if bad else 0)


if __name__ == "__main__":
    main()
