#!/usr/bin/python3
"""Lays out a unit's two activities and writes the description the program
reads, CONTENT/units/<slug>/unit.txt (its format in README.md).

Every text is measured with the fonts the program draws with and must fit
its box; nothing placed may overlap anything else on the screen; each
leader line must end on the part of the labelling picture it names, which
is checked on a flat part map of labelling.svg (every class="part-N"
element one pure colour) over the 7 x 7 pixels around its end.

usage: describe.py CONTENT_DIR UNIT_DIR...      exit 1, naming the fault, when a unit breaks a rule
"""
import math
import os
import subprocess
import sys
import tempfile

from PIL import Image, ImageFont

from unitconf import PICTURE_SIZE, read_unit

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "questions"))
from checkfit import lines_needed  # noqa: E402  (word wrapping as the quiz's check measures it)

PIXEL = 15  # twips per pixel at the screens' own scale
SCREEN_W, BUTTONS_TOP = 12000, 7920

# Where the program shows a unit's pictures (Left, Top, Width, Height in twips).
MENU_PICTURE = (1560, 840, 8880, 6960)
LABELLING_PICTURE = (3300, 1320, PICTURE_SIZE * PIXEL, PICTURE_SIZE * PIXEL)

# What the activity screens hold at fixed places: the heading (the unit's
# title), the instruction, the hint beside the buttons, and the buttons.
HEADING = (60, 60, 3900, 1140)
INSTRUCTION = (4080, 0, 7665, 1305)
FIXED = [HEADING, INSTRUCTION, (120, 7860, 2505, 585), (3360, 7920, 2565, 495), (6000, 7920, 2565, 495),
         (10560, 7920, 1245, 495)]

LABEL_W, STEP_W, ITEM_H, CAPTION_W = 2880, 5685, 375, 1800
BOX_GAP = 180            # between a labelling box and the picture
BOX_PITCH = 600          # at least this far apart, so no box's drop zone reaches the next
TRAY_GAP = 120
STEP_TOP, STEP_PITCH = 1380, 570
SORT_TOP, SORT_PITCH = 1800, 600      # five boxes a column, as "Greek Fighters" has
TRAY_PITCH, TRAY_LAST_TOP = 480, 7320
COLUMNS = (120, 6120)                 # sorting: "True" on the left, "False" on the right
COLUMN_HEADINGS = [(60, 1200, 5865, 585), (6060, 1200, 5745, 555)]

FONTS = {
    "tahoma": "/usr/share/wine/fonts/tahoma.ttf",
    "tahoma-bold": "/usr/share/wine/fonts/tahomabd.ttf",
    "times": "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf",
    "times-bold": "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf",
}
PART_COLOURS = ["#FF0000", "#00FF00", "#0000FF", "#FFFF00", "#FF00FF", "#00FFFF", "#800000", "#008000"]


class Fault(Exception):
    pass


def font(name, twips):
    return ImageFont.truetype(FONTS[name], twips)


def bold_tahoma_width(text, twips):
    """Bold Tahoma as the program draws it: Windows' own bold, or (on Linux)
    the regular face thickened by a 24th of the em per letter."""
    thickened = font("tahoma", twips).getlength(text) + len(text) * twips / 24
    return max(font("tahoma-bold", twips).getlength(text), thickened)


def check_fits(unit):
    """Every caption in its box, with the two pixels a bordered label keeps inside its border."""
    pad = 4 * PIXEL
    wanted = [(t.text, LABEL_W) for t in unit.labels] + [(s.text, STEP_W) for s in unit.steps + unit.sentences]
    wanted += [(s.caption, CAPTION_W) for s in unit.steps if s.caption]
    for text, width in wanted:
        if bold_tahoma_width(text, 225) > width - pad:
            raise Fault(f"{text!r} is too wide for its {width}-twip box in bold Tahoma 11.25 pt")
    if font("times-bold", 555).getlength(unit.title) > 6000 - pad:
        raise Fault("the title does not fit the topic menu's title line")
    if lines_needed(unit.title, HEADING[2] - pad, font("times", 480)) > 2:
        raise Fault("the title takes more than two lines as an activity's heading")
    for instruction in (unit.labelling, unit.ordering or unit.sorting):
        if lines_needed(instruction, INSTRUCTION[2] - pad, font("times", 435)) > 2:
            raise Fault(f"the instruction {instruction!r} takes more than two lines")
    for text in [unit.title, unit.labelling, unit.ordering or unit.sorting] + [t for t, _ in wanted]:
        if "\t" in text or any(ord(c) > 0xFF and c not in "\u2018\u2019\u201c\u201d\u2013\u2014" for c in text):
            raise Fault(f"{text!r} holds a tab or a character the fonts may not have")


def snap(twips):
    """To a whole pixel, so that boxes and lines stand on the pixel grid."""
    return int(round(twips / PIXEL)) * PIXEL


def spread(wanted, low, high, pitch):
    """Tops as near the wanted ones as can be, in the same order, at least
    pitch apart, between low and high; None when they do not fit."""
    tops = []
    for top in wanted:
        tops.append(max(top, low, tops[-1] + pitch if tops else low))
    for i in range(len(tops) - 1, -1, -1):
        tops[i] = min(tops[i], high if i == len(tops) - 1 else tops[i + 1] - pitch)
    return tops if not tops or tops[0] >= low else None


def tray_places(count, width, lefts=None):
    """Two rows (labelling), filled row by row, or two columns (the
    others), filled column by column; the last row ends above the buttons."""
    if lefts is None:  # labelling: two rows, centred
        per_row = math.ceil(count / 2)
        places = []
        for row, n in enumerate((per_row, count - per_row)):
            left = snap((SCREEN_W - n * width - (n - 1) * TRAY_GAP) / 2)
            places += [(left + k * (width + TRAY_GAP), TRAY_LAST_TOP - (1 - row) * TRAY_PITCH) for k in range(n)]
        return places
    rows = math.ceil(count / 2)
    return [(lefts[k // rows], TRAY_LAST_TOP - (rows - 1 - k % rows) * TRAY_PITCH) for k in range(count)]


def picture_point(label):
    x, y, _, _ = LABELLING_PICTURE
    return x + label.x * PIXEL + PIXEL // 2, y + label.y * PIXEL + PIXEL // 2


def labelling_rows(unit):
    """label rows: tray place, box, leader line from the box to the part."""
    px, py, pw, ph = LABELLING_PICTURE
    boxes = {}
    for left_side in (True, False):
        # Top to bottom; of two parts at one height the one nearer the boxes
        # takes the upper box, so that their lines do not cross.
        side = sorted((l for l in unit.labels if (l.x < PICTURE_SIZE / 2) == left_side),
                      key=lambda l: (l.y, l.x if left_side else -l.x))
        wanted = [snap(picture_point(l)[1] - ITEM_H / 2) for l in side]
        tops = spread(wanted, STEP_TOP, py + ph - ITEM_H, BOX_PITCH)
        if tops is None:
            raise Fault("too many labels on one side of the picture")
        for label, top in zip(side, tops):
            boxes[id(label)] = (px - BOX_GAP - LABEL_W if left_side else px + pw + BOX_GAP, top)
    # The tray lists the labels alphabetically, so their order gives nothing away.
    in_tray = sorted(unit.labels, key=lambda l: l.text.casefold())
    tray = dict(zip(map(id, in_tray), tray_places(len(unit.labels), LABEL_W)))
    rows = []
    for label in unit.labels:
        bx, by = boxes[id(label)]
        start = (bx + LABEL_W if bx < px else bx, by + ITEM_H // 2)
        rows.append(("label", *tray[id(label)], bx, by, *start, *picture_point(label), label.text))
    return rows


def crossing(a, b):
    """Whether two line segments cross (touching ends count)."""
    def side(p, q, r):
        return (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])
    p1, p2, q1, q2 = a[:2], a[2:], b[:2], b[2:]
    d1, d2, d3, d4 = side(q1, q2, p1), side(q1, q2, p2), side(p1, p2, q1), side(p1, p2, q2)
    if d1 == d2 == d3 == d4 == 0:  # on one line: they cross where their extents meet
        return all(min(p1[i], p2[i]) <= max(q1[i], q2[i]) and min(q1[i], q2[i]) <= max(p1[i], p2[i]) for i in (0, 1))
    return d1 * d2 <= 0 and d3 * d4 <= 0


def ordering_rows(unit):
    tray = tray_places(len(unit.steps), STEP_W, COLUMNS)
    read_across = [n for _, n in sorted(zip(((top, left) for left, top in tray), unit.tray))]
    if read_across == sorted(unit.tray):
        raise Fault("read across its rows, the tray lists the steps in the right order: mix them")
    rows = []
    for i, step in enumerate(unit.steps):
        top = STEP_TOP + i * STEP_PITCH
        box_left = (SCREEN_W - CAPTION_W - TRAY_GAP - STEP_W) // 2 + CAPTION_W + TRAY_GAP
        rows.append(("step", *tray[unit.tray.index(i + 1)], snap(box_left), top,
                     snap(box_left) - TRAY_GAP - CAPTION_W, top, step.caption or f"{i + 1}.", step.text))
    return rows


def sorting_rows(unit):
    """False sentences first (labels 0-4, the right-hand column), then the
    true ones (5-9, the left-hand column); the tray keeps the source's order."""
    places = tray_places(len(unit.sentences), STEP_W, COLUMNS)
    tray = dict(zip(map(id, unit.sentences), places))
    for column in COLUMNS:
        if len({s.true for s, place in zip(unit.sentences, places) if place[0] == column}) < 2:
            raise Fault("a tray column holds only true or only false sentences: mix their order")
    rows = []
    for truth in (False, True):
        for k, sentence in enumerate(s for s in unit.sentences if s.true == truth):
            rows.append(("true" if truth else "false", *tray[id(sentence)], COLUMNS[0 if truth else 1],
                         SORT_TOP + k * SORT_PITCH, sentence.text))
    return rows


def rectangles(rows):
    """What each row puts on the screen, as (what, rect)."""
    rects = []
    for row in rows:
        width = LABEL_W if row[0] == "label" else STEP_W
        rects += [(f"tray place of {row[-1]!r}", (row[1], row[2], width, ITEM_H)),
                  (f"box of {row[-1]!r}", (row[3], row[4], width, ITEM_H))]
        if row[0] == "step":
            rects.append((f"caption of {row[-1]!r}", (row[5], row[6], CAPTION_W, ITEM_H)))
    return rects


def check_apart(rects, fixed):
    def overlap(a, b):
        return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]
    for n, (what, r) in enumerate(rects):
        if r[0] < 0 or r[1] < 0 or r[0] + r[2] > SCREEN_W or r[1] + r[3] > BUTTONS_TOP:
            raise Fault(f"the {what} leaves the screen or reaches the buttons")
        for other, o in rects[n + 1:] + [("screen's own text or buttons", f) for f in fixed]:
            if overlap(r, o):
                raise Fault(f"the {what} overlaps the {other}")


def check_line_ends(unit, rows):
    """Renders labelling.svg as a part map and checks the pixels around each line's end."""
    css = "* { fill: #FFFFFF !important; stroke: #FFFFFF !important; opacity: 1 !important; }\n"
    for n, colour in enumerate(PART_COLOURS, 1):
        css += f".part-{n}, .part-{n} * {{ fill: {colour} !important; stroke: {colour} !important; }}\n"
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "map.css"), "w") as f:
            f.write(css)
        subprocess.run(["rsvg-convert", "-s", os.path.join(work, "map.css"), "-w", str(PICTURE_SIZE), "-h",
                        str(PICTURE_SIZE), os.path.join(unit.folder, "labelling.svg"), "-o",
                        os.path.join(work, "map.png")], check=True)
        part_map = Image.open(os.path.join(work, "map.png")).convert("RGB")
    for n, label in enumerate(unit.labels, 1):
        colours = {part_map.getpixel((x, y)) for x in range(label.x - 3, label.x + 4)
                   for y in range(label.y - 3, label.y + 4) if 0 <= x < PICTURE_SIZE and 0 <= y < PICTURE_SIZE}
        want = tuple(int(PART_COLOURS[n - 1][i:i + 2], 16) for i in (1, 3, 5))
        if colours != {want}:
            raise Fault(f"label {n} {label.text!r}: the line's end {label.x},{label.y} does not lie well inside part-{n}")
    lines = [r[5:9] for r in rows]
    for a in range(len(lines)):
        for b in range(a + 1, len(lines)):
            if crossing(lines[a], lines[b]):
                raise Fault(f"the leader lines of {rows[a][-1]!r} and {rows[b][-1]!r} cross")


def describe(unit):
    check_fits(unit)
    labels = labelling_rows(unit)
    second = ordering_rows(unit) if unit.ordering else sorting_rows(unit)
    check_apart(rectangles(labels) + [("labelling picture", LABELLING_PICTURE)], FIXED)
    check_apart(rectangles(second), FIXED + ([] if unit.ordering else COLUMN_HEADINGS))
    check_line_ends(unit, labels)
    keys = sorted(os.path.basename(p) for p in os.listdir(unit.folder) if p.startswith("key-") and p.endswith(".page"))
    notes = [p for p in os.listdir(unit.folder) if p.startswith("notes-") and p.endswith(".page")]
    if not 1 <= len(keys) <= 3 or not 1 <= len(notes) <= 3:
        raise Fault("a unit has one to three Key Facts pages and one to three Teacher's Notes pages")
    rows = [("velmora-unit", 1), ("title", unit.title), ("slug", unit.slug), ("pages", len(keys), len(notes)),
            ("menu", *MENU_PICTURE), ("labelling", *LABELLING_PICTURE, unit.labelling), *labels,
            ("ordering", unit.ordering) if unit.ordering else ("sorting", unit.sorting), *second]
    return "".join("\t".join(str(field) for field in row) + "\n" for row in rows)


def main(content, folders):
    failed = False
    for folder in folders:
        try:
            unit = read_unit(folder)
            text = describe(unit)
        except (Fault, SystemExit) as fault:
            print(f"{folder}: {fault}", file=sys.stderr)
            failed = True
            continue
        out = os.path.join(content, "units", unit.slug)
        os.makedirs(out, exist_ok=True)
        with open(os.path.join(out, "unit.txt"), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
