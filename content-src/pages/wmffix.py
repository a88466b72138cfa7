#!/usr/bin/python3
"""Turn an Inkscape WMF export into a metafile measured in twips.

The pages are drawn in twips on a page one unit larger than wanted (Inkscape
drops one unit from the page size and writes 1200 units per inch).  Here the
placeable header is set to 1440 units per inch, so one unit is one twip, its
checksum is recomputed, and the standard header's size field is corrected to
count the metafile proper (Inkscape includes the 22-byte placeable header).

usage: wmffix.py WIDTH HEIGHT FILE...   (rewrites each FILE in place; sizes in twips)
"""
import struct
import sys

PLACEABLE_KEY = b"\xd7\xcd\xc6\x9a"


def fix(data: bytes, width: int, height: int) -> bytes:
    if data[:4] != PLACEABLE_KEY or len(data) < 40 or len(data) % 2:
        raise SystemExit("not a placeable metafile")
    left, top, right, bottom, inch = struct.unpack_from("<hhhhH", data, 6)
    if (left, top, right - left, bottom - top) != (0, 0, width, height) or inch != 1200:
        raise SystemExit(f"unexpected frame {left},{top},{right},{bottom} at {inch} units per inch")
    out = bytearray(data)
    struct.pack_into("<H", out, 14, 1440)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", bytes(out[0:20])):
        checksum ^= word
    struct.pack_into("<H", out, 20, checksum)
    struct.pack_into("<I", out, 22 + 6, (len(out) - 22) // 2)
    return bytes(out)


def main() -> None:
    width, height = int(sys.argv[1]), int(sys.argv[2])
    for path in sys.argv[3:]:
        with open(path, "rb") as f:
            data = f.read()
        with open(path, "wb") as f:
            f.write(fix(data, width, height))


if __name__ == "__main__":
    main()
