#!/usr/bin/python3
"""Lay out one page source as two SVG drawings measured in twips.

Every page exists twice: a screen copy that fits the page viewer's free area
and a print copy for an A4 or Letter sheet.  The page source (*.page) holds
the text once, plus the frames the text flows through in each copy and the
pictures placed in each copy.  This script wraps the text with the real font
metrics (Liberation Sans, metric-compatible with Arial), places every line
itself and writes plain SVG that Inkscape turns into a metafile with real
text.  Greek words go into the SVG as Symbol-font letters and wmfgreek.py
turns them into Greek Arial text afterwards, so they are measured here as
Greek letters in Liberation Sans.  A paragraph or list entry is never split
between frames and a heading always stands with the block after it; the
print copy takes the largest body size up to print.body.max at which the
text still fits, and must reach into the bottom fifth of the sheet.  It
fails loudly when text does not fit its frames.

It also writes the words the screen copy shows, in reading order, from the
same sources, for the program to read aloud (see spoken_lines).

usage: layout.py PAGE.page ART_DIR[:ART_DIR...] OUT_DIR [NAME [QUIZ]]
writes OUT_DIR/screen/NAME.svg, OUT_DIR/print/NAME.svg and OUT_DIR/text/NAME.txt,
NAME being the page file name without ".page" unless given.  Drawings are looked up in the
ART_DIRs in order; "@answers" with no name reads the QUIZ source.
"""
import os
import re
import sys
import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass, field

from PIL import ImageFont

from wmfgreek import greek

FONT_DIR = "/usr/share/fonts/truetype"
FONT_FILES = {
    False: "liberation/LiberationSans-Regular.ttf",
    True: "liberation/LiberationSans-Bold.ttf",
}

# Adobe Symbol encoding: the Latin letter that the Symbol font draws as each
# Greek letter, in alphabet order, with the letter's English name.
GREEK_ALPHABET = [
    ("A", "a", "alpha"), ("B", "b", "beta"), ("G", "g", "gamma"),
    ("D", "d", "delta"), ("E", "e", "epsilon"), ("Z", "z", "zeta"),
    ("H", "h", "eta"), ("Q", "q", "theta"), ("I", "i", "iota"),
    ("K", "k", "kappa"), ("L", "l", "lambda"), ("M", "m", "mu"),
    ("N", "n", "nu"), ("X", "x", "xi"), ("O", "o", "omicron"),
    ("P", "p", "pi"), ("R", "r", "rho"), ("S", "s", "sigma"),
    ("T", "t", "tau"), ("U", "u", "upsilon"), ("F", "f", "phi"),
    ("C", "c", "chi"), ("Y", "y", "psi"), ("W", "w", "omega"),
]

QUESTIONS_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "questions")

LINE_FACTOR = 1.22  # line pitch as a multiple of the font size
PRINT_GROWTH = 1.3  # a print copy's body text may grow to fill its sheet


@dataclass(frozen=True)
class Theme:
    background: str
    border: str
    border_width: int
    title: str
    heading: str
    text: str
    accent: str  # bullets and the key pattern
    cell: str  # background of alphabet cells


SCREEN = Theme("#FFF8E7", "#A8431A", 40, "#8B2A0E", "#1F3A7A", "#1A1A1A", "#A8431A", "#F3E2BC")
PRINT = Theme("#FFFFFF", "#000000", 20, "#000000", "#000000", "#000000", "#555555", "#FFFFFF")
# The acknowledgments page sits on the viewer's lighter blue background.
ACK_SCREEN = Theme("#3182D4", "#FFFF00", 40, "#FFFF00", "#FFFFFF", "#FFFFFF", "#FFFF00", "#3182D4")


@dataclass(frozen=True)
class Geometry:
    width: int
    height: int
    margin: int  # left and right margin of the title row and key band
    title_size: int
    title_base: int  # baseline of the title
    band_top: int  # top of the key pattern band under the title
    band_height: int


SCREEN_GEOMETRY = Geometry(10440, 7800, 420, 480, 700, 860, 160)
PRINT_GEOMETRY = Geometry(9500, 13000, 400, 560, 820, 1010, 180)


_fonts = {}


def font(bold, size):
    key = (bold, size)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(os.path.join(FONT_DIR, FONT_FILES[bold]), size)
    return _fonts[key]


def measure(text, family, bold, size):
    # "Symbol" text ends up as Greek letters in Arial (wmfgreek.py).
    return font(bold, size).getlength(greek(text) if family == "Symbol" else text)


def check_text(text, where):
    # Inkscape's metafile export keeps Latin-1 only; anything else would be
    # flattened or turned into question marks.
    for ch in text:
        if ord(ch) > 0xFF or ord(ch) < 0x20:
            raise SystemExit(f"{where}: character {ch!r} cannot be written to the metafile")


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


# ----------------------------------------------------------------- sources

@dataclass
class Layout:
    body: int = 260
    frames: list = field(default_factory=list)
    art: list = field(default_factory=list)  # (name, x, y, w, h)


@dataclass
class Page:
    name: str
    title: str = ""
    tag: str = ""
    theme: str = "page"
    screen: Layout = field(default_factory=Layout)
    print: Layout = field(default_factory=Layout)
    blocks: list = field(default_factory=list)


def parse_rect(text, where):
    parts = [int(p) for p in text.replace(" ", "").split(",")]
    if len(parts) != 4:
        raise SystemExit(f"{where}: a frame needs x,y,w,h")
    return tuple(parts)


def read_page(path, name=None, quiz=None):
    page = Page(name or os.path.basename(path)[:-len(".page")])
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    body_start = None
    for number, line in enumerate(lines, 1):
        where = f"{path}:{number}"
        if line.strip() == "---":
            body_start = number
            break
        if not line.strip() or line.startswith("#"):
            continue
        key, _, value = line.partition(":")
        key, value = key.strip(), value.strip()
        if key in ("title", "tag", "theme"):
            check_text(value, where)
            setattr(page, key, value)
        elif key in ("screen.body", "print.body"):
            getattr(page, key.split(".")[0]).body = int(value)
        elif key in ("screen.frames", "print.frames"):
            getattr(page, key.split(".")[0]).frames = [parse_rect(r, where) for r in value.split(";")]
        elif key in ("screen.art", "print.art"):
            art_name, _, rect = value.partition(" ")
            getattr(page, key.split(".")[0]).art.append((art_name,) + parse_rect(rect, where))
        else:
            raise SystemExit(f"{where}: unknown key {key!r}")
    if body_start is None:
        raise SystemExit(f"{path}: no '---' line before the text")
    page.blocks = parse_body(lines[body_start:], path, body_start + 1, quiz)
    return page


def parse_body(lines, path, first_number, quiz=None):
    """Blocks: ('heading', text), ('para', text), ('bullet', text),
    ('item', label, text), ('next', copy or None), ('gap', twips), ('alphabet',)."""
    blocks = []
    para = []

    def flush():
        if para:
            blocks.append(("para", " ".join(para)))
            para.clear()

    for offset, raw in enumerate(lines):
        where = f"{path}:{first_number + offset}"
        line = raw.strip()
        check_text(line, where)
        if line.startswith("#!"):
            continue
        if not line:
            flush()
        elif line.startswith("## "):
            flush()
            blocks.append(("heading", line[3:].strip()))
        elif line.startswith("* "):
            flush()
            blocks.append(("bullet", line[2:].strip()))
        elif raw.startswith("  ") and not para and blocks and blocks[-1][0] in ("bullet", "item"):
            # an indented line continues the list entry above it
            blocks[-1] = blocks[-1][:-1] + (blocks[-1][-1] + " " + line,)
        elif re.match(r"^\[(\w+)\] ", line):
            flush()
            label, text = re.match(r"^\[(\w+)\] (.*)$", line).groups()
            blocks.append(("item", label, text.strip()))
        elif line in ("@next", "@next screen", "@next print"):
            # a frame break in both copies, or in the one copy named
            flush()
            blocks.append(("next", line[len("@next"):].strip() or None))
        elif line.startswith("@gap "):
            flush()
            blocks.append(("gap", int(line[5:])))
        elif line == "@alphabet":
            flush()
            blocks.append(("alphabet",))
        elif line == "@answers" and quiz:
            flush()
            blocks.extend(answer_items(quiz, where))
        elif line.startswith("@answers "):
            flush()
            blocks.extend(answer_items(os.path.join(QUESTIONS_DIR, line[len("@answers "):].strip() + ".questions"),
                                       where))
        elif line.startswith("@"):
            raise SystemExit(f"{where}: unknown directive {line!r}")
        else:
            para.append(line)
    flush()
    return blocks


def answer_items(path, where):
    """The right answers of a quiz, read from its question source so that
    the Teacher's Notes always agree with the quiz."""
    with open(path, encoding="utf-8") as f:
        rows = [r.strip() for r in f.read().split("\n") if not r.startswith("#")]
    blocks, block = [], []
    for row in rows + [""]:
        if row:
            block.append(row)
        elif block:
            blocks.append(block)
            block = []
    items = []
    for number, block in enumerate(blocks[1:], 1):
        marked = [i for i, answer in enumerate(block[1:]) if answer.startswith("*")]
        if len(block) != 5 or len(marked) != 1:
            raise SystemExit(f"{where}: {path}: question {number} is not a question with four answers")
        letter = "ABCD"[marked[0]]
        items.append(("item", str(number), f"**{letter}** {block[1 + marked[0]][1:]}"))
    return items


# ------------------------------------------------------------- inline runs

def runs_of(text):
    """Split text into (text, style) runs: **bold** and {g:symbol text}."""
    runs = []
    for part in re.split(r"(\*\*.+?\*\*|\{g:.+?\})", text):
        if not part:
            continue
        if part.startswith("**"):
            runs.append((part[2:-2], "bold"))
        elif part.startswith("{g:"):
            runs.append((part[3:-1], "greek"))
        else:
            runs.append((part, "normal"))
    return runs


def style_font(style, base_family="Arial"):
    if style == "bold":
        return base_family, True
    if style == "greek":
        return "Symbol", False
    return base_family, False


def words_of(runs):
    """Words with their style and whether a space precedes them."""
    words = []
    space_before = False
    for text, style in runs:
        pieces = re.split(r"( +)", text)
        for piece in pieces:
            if not piece:
                continue
            if piece.startswith(" "):
                space_before = True
                continue
            if words and not space_before:
                # glued to the previous word in another style, e.g. "**BC**,"
                words.append((piece, style, False))
            else:
                words.append((piece, style, bool(words)))
            space_before = False
    return words


def wrap(words, width, size, family="Arial"):
    """Greedy line breaking of (word, style, spaced) words; returns lines as
    (segments, number of words used), a segment being (dx, text, style)."""
    lines = []
    line = []
    count = 0
    x = 0.0
    for word, style, spaced in words:
        fam, bold = style_font(style, family)
        extend = bool(line) and line[-1][2] == style
        if extend:
            # same style: extend the segment so Inkscape writes one text run,
            # measured as a whole so that kerning across spaces counts
            dx, text, _ = line[-1]
            joined = text + (" " if spaced else "") + word
            end = dx + measure(joined, fam, bold, size)
        else:
            dx = x + (measure(" ", fam, bold, size) if spaced and line else 0.0)
            joined = word
            end = dx + measure(word, fam, bold, size)
        if line and end > width:
            lines.append((line, count))
            line, count, extend = [], 0, False
            dx, joined, end = 0.0, word, measure(word, fam, bold, size)
        if extend:
            line[-1] = (dx, joined, style)
        else:
            line.append((dx, joined, style))
        x = end
        count += 1
    if line:
        lines.append((line, count))
    return lines


# ------------------------------------------------------------------ output

class Canvas:
    def __init__(self, geometry, theme):
        self.g = geometry
        self.t = theme
        self.items = []

    def text(self, x, y, text, size, fill, family="Arial", bold=False, anchor=None):
        if anchor == "end":
            x -= measure(text, family, bold, size)
        elif anchor == "middle":
            x -= measure(text, family, bold, size) / 2
        weight = ' font-weight="bold"' if bold else ""
        self.items.append(
            f'<text x="{x:.1f}" y="{y:.1f}" font-family="{family}" font-size="{size}"{weight}'
            f' fill="{fill}" xml:space="preserve">{esc(text)}</text>')

    def rect(self, x, y, w, h, fill="none", stroke=None, stroke_width=0):
        s = f' stroke="{stroke}" stroke-width="{stroke_width}"' if stroke else ""
        self.items.append(f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}"{s}/>')

    def circle(self, cx, cy, r, fill):
        self.items.append(f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" fill="{fill}"/>')

    def raw(self, text):
        self.items.append(text)

    def svg(self):
        w, h = self.g.width, self.g.height
        # One unit more than wanted: Inkscape drops one unit from the page
        # size; 1200 units to the inch as Inkscape writes them.
        head = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{(w + 1) / 1200:.6f}in" '
                f'height="{(h + 1) / 1200:.6f}in" viewBox="0 0 {w + 1} {h + 1}">')
        return "\n".join([head] + self.items + ["</svg>", ""])


def key_band(canvas, x0, x1, top, height, colour):
    """A Greek key (meander) band: a row of hooks on a base line."""
    s = height / 5.0
    unit = 6 * s
    count = int((x1 - x0) // unit)
    start = x0 + ((x1 - x0) - count * unit) / 2
    sw = s * 0.8
    parts = []
    for i in range(count):
        ux = start + i * unit + s * 0.5
        pts = [(ux, top + 5 * s), (ux, top), (ux + 4 * s, top), (ux + 4 * s, top + 3 * s),
               (ux + 2 * s, top + 3 * s), (ux + 2 * s, top + 1.8 * s)]
        parts.append(" ".join(f"{px:.1f},{py:.1f}" for px, py in pts))
    for p in parts:
        canvas.raw(f'<polyline points="{p}" fill="none" stroke="{colour}" stroke-width="{sw:.1f}" '
                   f'stroke-linecap="square" stroke-linejoin="miter"/>')
    canvas.raw(f'<line x1="{start:.1f}" y1="{top + 5 * s:.1f}" x2="{start + count * unit:.1f}" '
               f'y2="{top + 5 * s:.1f}" stroke="{colour}" stroke-width="{sw:.1f}"/>')


def place_art(canvas, art_dirs, name, x, y, w, h):
    paths = [os.path.join(d, name + ".svg") for d in art_dirs]
    path = next((p for p in paths if os.path.exists(p)), paths[-1])
    with open(path, encoding="utf-8") as f:
        src = f.read()
    m = re.search(r'<svg[^>]*viewBox="([-\d. ]+)"[^>]*>(.*)</svg>', src, re.S)
    if not m:
        raise SystemExit(f"{path}: needs an <svg viewBox=...> element")
    vx, vy, vw, vh = (float(v) for v in m.group(1).split())
    inner = re.sub(r"<!--.*?-->", "", m.group(2), flags=re.S)
    for t in re.findall(r">([^<]+)</text>", inner):
        check_text(t, path)
    scale = min(w / vw, h / vh)
    ox = x + (w - vw * scale) / 2 - vx * scale
    oy = y + (h - vh * scale) / 2 - vy * scale
    canvas.raw(f'<g transform="translate({ox:.2f},{oy:.2f}) scale({scale:.5f})">{inner.strip()}</g>')
    return oy + (vy + vh) * scale  # the drawing's bottom edge


class Flow:
    """Places blocks line by line into the layout's frames, in order."""

    def __init__(self, canvas, layout, kind, where):
        self.c = canvas
        self.kind = kind
        self.size = layout.body
        self.frames = list(layout.frames)
        self.where = where
        self.index = 0
        self.y = None  # baseline of the last line placed, None at frame top
        self.lowest = 0  # the lowest point any text reaches
        if not self.frames:
            raise SystemExit(f"{where}: no frames")

    @property
    def frame(self):
        return self.frames[self.index]

    def next_frame(self):
        self.index += 1
        self.y = None
        if self.index >= len(self.frames):
            if os.environ.get("LAYOUT_DRAFT"):
                # drafting: show the overflow in a red frame over the page
                last = self.frames[-1]
                self.frames.append((last[0], 200, last[2], 100000))
                self.c.rect(last[0], 200, last[2], 3000, stroke="#FF0000", stroke_width=30)
                print(f"{self.where}: OVERFLOW", file=sys.stderr)
                return
            raise SystemExit(f"{self.where}: text does not fit the frames")

    def room_for(self, height):
        fx, fy, fw, fh = self.frame
        top = fy if self.y is None else self.y
        return top + height <= fy + fh

    def advance(self, size, space_before=0):
        """Baseline for a new line of the given size, moving on to the next
        frame when the line does not fit."""
        pitch = size * LINE_FACTOR
        while True:
            fx, fy, fw, fh = self.frame
            if self.y is None:
                base = fy + size * 0.95
            else:
                base = self.y + pitch + space_before
            if base + size * 0.25 <= fy + fh:
                self.y = base
                self.lowest = max(self.lowest, base + size * 0.25)
                return base
            self.next_frame()

    def gap(self, twips):
        if self.y is not None:
            self.y += twips

    def lines_fit(self, count, size, space):
        """Whether COUNT lines of SIZE, SPACE below what stands already,
        fit in the rest of the current frame."""
        fx, fy, fw, fh = self.frame
        pitch = size * LINE_FACTOR
        if self.y is None:
            last = fy + size * 0.95 + (count - 1) * pitch
        else:
            last = self.y + space + count * pitch
        return last + size * 0.25 <= fy + fh

    def block_lines(self, block):
        """Lines that a text block takes at the current frame's width."""
        size, indent = self.size, self.indent_of(block)
        if block[0] not in ("para", "bullet", "item"):
            return 0
        return len(wrap(words_of(runs_of(block[-1])), self.frame[2] - indent, size))

    def indent_of(self, block):
        return {"bullet": round(self.size * 0.8), "item": round(self.size * 1.6)}.get(block[0], 0)

    def heading(self, text, following=None):
        size = round(self.size * 1.18)
        space = self.size * 0.45
        # A heading stands with the whole block after it, never alone at
        # the foot of a column.
        while self.y is not None:
            fx, fy, fw, fh = self.frame
            follow = self.block_lines(following) if following else 0
            last = (self.y + space + size * LINE_FACTOR + self.size * 0.1
                    + self.size * 0.28 + follow * self.size * LINE_FACTOR)
            if last + self.size * 0.25 <= fy + fh:
                break
            self.next_frame()
        base = self.advance(size, space)
        fx = self.frame[0]
        self.line_segments(fx, base, [(0.0, text, "bold")], size, self.c.t.heading)
        self.y += self.size * 0.1

    def paragraph(self, text, indent=0, label=None, bullet=False, space=None):
        """A paragraph or list entry, kept whole in one frame: it moves on
        to the next frame when the rest of this one cannot hold it."""
        size = self.size
        space = size * 0.28 if space is None else space
        words = words_of(runs_of(text))
        lines = wrap(words, self.frame[2] - indent, size)
        if not self.lines_fit(len(lines), size, space) and self.y is not None:
            self.next_frame()
            lines = wrap(words, self.frame[2] - indent, size)
        if not self.lines_fit(len(lines), size, space):
            raise SystemExit(f"{self.where}: a paragraph is longer than a frame")
        for number, (segs, _) in enumerate(lines):
            base = self.advance(size, space if number == 0 else 0)
            fx = self.frame[0]
            if number == 0 and bullet:
                self.c.circle(fx + size * 0.32, base - size * 0.33, size * 0.13, self.c.t.accent)
            if number == 0 and label:
                self.c.text(fx, base, label, size, self.c.t.heading, bold=True)
            self.line_segments(fx + indent, base, segs, size, self.c.t.text)

    def line_segments(self, x, base, segs, size, colour):
        for dx, text, style in segs:
            fam, bold = style_font(style)
            fill = self.c.t.heading if style == "bold" and colour == self.c.t.text else colour
            self.c.text(x + dx, base, text, size, fill, family=fam, bold=bold)

    def alphabet(self):
        """The 24 letters in a grid: capital and small letter, name below."""
        fx, fy, fw, fh = self.frame
        # as many columns (8, 6 or 4) as leave each cell room for its name
        cols = next(n for n in (8, 6, 4) if fw / n >= 4.5 * self.size or n == 4)
        cell_w = fw / cols
        letter = round(self.size * 1.6)
        name = max(220, round(self.size * 0.9))
        cell_h = letter * 1.15 + name * 1.35
        rows = (len(GREEK_ALPHABET) + cols - 1) // cols
        top = (fy if self.y is None else self.y + self.size * 0.5)
        if top + rows * cell_h > fy + fh:
            self.next_frame()
            fx, fy, fw, fh = self.frame
            top = fy
        for i, (cap, small, word) in enumerate(GREEK_ALPHABET):
            cx = fx + (i % cols) * cell_w
            cy = top + (i // cols) * cell_h
            self.c.rect(round(cx + 20), round(cy + 20), round(cell_w - 40), round(cell_h - 40),
                        fill=self.c.t.cell, stroke=self.c.t.accent, stroke_width=12)
            mid = cx + cell_w / 2
            self.c.text(mid, cy + letter * 1.02, f"{cap} {small}", letter, self.c.t.text,
                        family="Symbol", anchor="middle")
            self.c.text(mid, cy + letter * 1.15 + name * 1.0, word, name, self.c.t.heading,
                        bold=True, anchor="middle")
        self.y = top + rows * cell_h - self.size * 0.4
        self.lowest = max(self.lowest, top + rows * cell_h)

    def place(self, blocks):
        for number, block in enumerate(blocks):
            try:
                following = blocks[number + 1] if number + 1 < len(blocks) else None
                self.place_block(block, following)
            except SystemExit as failure:
                left = len(blocks) - number
                raise SystemExit(f"{failure} ({left} blocks left, from {str(block[-1])[:40]!r})")

    def place_block(self, block, following=None):
        if True:
            kind = block[0]
            if kind == "heading":
                self.heading(block[1], following)
            elif kind == "para":
                self.paragraph(block[1])
            elif kind == "bullet":
                self.paragraph(block[1], indent=round(self.size * 0.8), bullet=True,
                               space=self.size * 0.18)
            elif kind == "item":
                self.paragraph(block[2], indent=round(self.size * 1.6), label=block[1],
                               space=self.size * 0.18)
            elif kind == "next":
                if block[1] in (None, self.kind):
                    self.next_frame()
            elif kind == "gap":
                self.gap(block[1])
            elif kind == "alphabet":
                self.alphabet()


def draw(page, kind, layout, geometry, theme, art_dirs, where):
    c = Canvas(geometry, theme)
    g = geometry
    c.rect(0, 0, g.width, g.height, fill=theme.background)
    inset = theme.border_width * 2
    c.rect(inset, inset, g.width - 2 * inset, g.height - 2 * inset, stroke=theme.border,
           stroke_width=theme.border_width)
    if page.title:
        c.text(g.margin, g.title_base, page.title, g.title_size, theme.title, bold=True)
    if page.tag:
        c.text(g.width - g.margin, g.title_base, page.tag, round(g.title_size * 0.6), theme.heading,
               bold=True, anchor="end")
        right = g.width - g.margin
        title_w = measure(page.title, "Arial", True, g.title_size)
        tag_w = measure(page.tag, "Arial", True, round(g.title_size * 0.6))
        if g.margin + title_w + 300 > right - tag_w:
            raise SystemExit(f"{where}: title and tag overlap")
    key_band(c, g.margin, g.width - g.margin, g.band_top, g.band_height, theme.accent)
    lowest = 0
    for name, x, y, w, h in layout.art:
        lowest = max(lowest, place_art(c, art_dirs, name, x, y, w, h))
    flow = Flow(c, layout, kind, where)
    flow.place(page.blocks)
    return c.svg(), max(lowest, flow.lowest)


def draw_print(page, art_dirs, where):
    """The print copy at the largest body size, from print.body up to
    PRINT_GROWTH times it, at which the text still fits its frames; it must
    then reach into the bottom fifth of the sheet."""
    first = page.print.body
    best, failure = None, None
    for size in range(first, round(first * PRINT_GROWTH) + 1, 10):
        page.print.body = size
        try:
            best = draw(page, "print", page.print, PRINT_GEOMETRY, PRINT, art_dirs, where)
        except SystemExit as overflow:
            failure = failure or overflow
            break
    page.print.body = first
    if best is None:
        raise failure
    svg, lowest = best
    if lowest < 0.8 * PRINT_GEOMETRY.height:
        raise SystemExit(f"{where}: the printed page ends at {lowest:.0f} twips, leaving its bottom fifth empty")
    return svg


def spoken(text):
    """Text as it is read: bold marks dropped, and words in Greek letters left
    out, which an English voice cannot say (the Latin word beside them is read)."""
    said = "".join(part for part, style in runs_of(text) if style != "greek")
    return re.sub(r" +([,.;:!?])", r"\1", re.sub(r" +", " ", said)).strip()


def art_labels(art_dirs, name):
    """The words a drawing shows, one label each, in the drawing's order: a
    label set on two lines (one under the other) is one label; words in Greek
    letters (the Symbol font) are left out."""
    labels, last = [], None
    def walk(element, family, size):
        nonlocal last
        family = element.get("font-family", family)
        size = float(element.get("font-size", size))
        if element.tag.endswith("}text") and family != "Symbol":
            x, y, text = element.get("x"), float(element.get("y")), "".join(element.itertext()).strip()
            if last and last[0] == x and 0 < y - last[1] <= 1.3 * size:
                labels[-1] += " " + text
            else:
                labels.append(text)
            last = (x, y)
        for child in element:
            walk(child, family, size)
    path = next(p for p in (os.path.join(d, name + ".svg") for d in art_dirs) if os.path.exists(p))
    walk(ElementTree.parse(path).getroot(), "Arial", 0)
    return labels


def spoken_lines(page, art_dirs):
    """The page's words in reading order, one line per title, tag, heading,
    paragraph or list entry, then the labels of its drawings on screen, one
    line per drawing; the alphabet is read as its letters' names."""
    lines = [page.title, page.tag]
    for block in page.blocks:
        if block[0] in ("heading", "para", "bullet"):
            lines.append(spoken(block[1]))
        elif block[0] == "item":
            lines.append(f"{block[1]}. {spoken(block[2])}")
        elif block[0] == "alphabet":
            lines.append(", ".join(name for _, _, name in GREEK_ALPHABET))
    for art in page.screen.art:
        lines.append(", ".join(art_labels(art_dirs, art[0])))
    return [line for line in lines if line]


def main():
    path, art_dirs, out_dir = sys.argv[1], sys.argv[2].split(":"), sys.argv[3]
    page = read_page(path, *sys.argv[4:6])
    screen_theme = ACK_SCREEN if page.theme == "acknowledgments" else SCREEN
    for kind, layout, geometry, theme in (
            ("screen", page.screen, SCREEN_GEOMETRY, screen_theme),
            ("print", page.print, PRINT_GEOMETRY, PRINT)):
        for fx, fy, fw, fh in layout.frames:
            if fx < 0 or fy < 0 or fx + fw > geometry.width or fy + fh > geometry.height:
                raise SystemExit(f"{path} ({kind}): frame outside the page")
        where = f"{path} ({kind})"
        if kind == "print":
            svg = draw_print(page, art_dirs, where)
        else:
            svg, _ = draw(page, kind, layout, geometry, theme, art_dirs, where)
        os.makedirs(os.path.join(out_dir, kind), exist_ok=True)
        with open(os.path.join(out_dir, kind, page.name + ".svg"), "w", encoding="utf-8") as f:
            f.write(svg)
    os.makedirs(os.path.join(out_dir, "text"), exist_ok=True)
    with open(os.path.join(out_dir, "text", page.name + ".txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(spoken_lines(page, art_dirs)) + "\n")


if __name__ == "__main__":
    main()
