#!/usr/bin/python3
"""Reads a unit folder's unit.conf (format in README.md) and fails loudly,
with the file and line, on anything it does not understand."""
import os
import re
from dataclasses import dataclass, field


@dataclass
class Label:
    text: str
    x: int  # the point on the part, in the labelling picture's pixels
    y: int
    line: int


@dataclass
class Step:
    caption: str
    text: str
    line: int


@dataclass
class Sentence:
    text: str
    true: bool
    line: int


@dataclass
class Unit:
    folder: str
    title: str = ""
    slug: str = ""
    labelling: str = ""
    labels: list = field(default_factory=list)
    ordering: str = ""
    steps: list = field(default_factory=list)
    tray: list = field(default_factory=list)
    sorting: str = ""
    sentences: list = field(default_factory=list)

    @property
    def kind(self):
        return "ordering" if self.ordering else "sorting"


PICTURE_SIZE = 360
SINGLE = ("title", "slug", "labelling", "ordering", "sorting", "tray")


def fail(where, message):
    raise SystemExit(f"{where}: {message}")


def read_unit(folder):
    path = os.path.join(folder, "unit.conf")
    unit = Unit(folder)
    seen = set()
    with open(path, encoding="utf-8") as f:
        rows = f.read().split("\n")
    for number, raw in enumerate(rows, 1):
        where = f"{path}:{number}"
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        key, colon, value = line.partition(":")
        key, value = key.strip(), value.strip()
        if not colon or not value:
            fail(where, "expected 'key: value'")
        if key in SINGLE:
            if key in seen:
                fail(where, f"{key} is given twice")
            seen.add(key)
        if key in ("title", "slug", "labelling", "ordering", "sorting"):
            setattr(unit, key, value)
        elif key == "label":
            text, bar, point = value.partition("|")
            m = re.fullmatch(r"\s*(\d+)\s*,\s*(\d+)\s*", point)
            if not bar or not m:
                fail(where, "a label is 'text | x,y'")
            x, y = int(m.group(1)), int(m.group(2))
            if not (0 <= x < PICTURE_SIZE and 0 <= y < PICTURE_SIZE):
                fail(where, f"the point {x},{y} lies outside the {PICTURE_SIZE} x {PICTURE_SIZE} picture")
            unit.labels.append(Label(text.strip(), x, y, number))
        elif key == "step":
            caption, bar, text = value.rpartition("|")
            unit.steps.append(Step(caption.strip() if bar else "", text.strip(), number))
        elif key in ("true", "false"):
            unit.sentences.append(Sentence(value, key == "true", number))
        elif key == "tray":
            try:
                unit.tray = [int(n) for n in value.split()]
            except ValueError:
                fail(where, "tray lists step numbers")
        else:
            fail(where, f"unknown key {key!r}")
    check(unit, path)
    return unit


def check(unit, path):
    if not unit.title or unit.slug != os.path.basename(os.path.normpath(unit.folder)):
        fail(path, "title is missing, or slug is not the folder's name")
    if not re.fullmatch(r"[a-z]+", unit.slug):
        fail(path, "a slug is lower-case letters only")
    if not unit.labelling or not 5 <= len(unit.labels) <= 8:
        fail(path, "the labelling activity needs its instruction and 5 to 8 labels")
    if bool(unit.ordering) == bool(unit.sorting):
        fail(path, "a unit has either an ordering or a sorting activity")
    if unit.ordering:
        if not 5 <= len(unit.steps) <= 8 or unit.sentences:
            fail(path, "an ordering activity has 5 to 8 steps and no true/false sentences")
        if sorted(unit.tray) != list(range(1, len(unit.steps) + 1)):
            fail(path, "tray must list every step number once")
        if unit.tray == sorted(unit.tray):
            fail(path, "the tray must not already be in the right order")
    else:
        trues = sum(s.true for s in unit.sentences)
        if len(unit.sentences) != 10 or trues != 5 or unit.steps or unit.tray:
            fail(path, "a sorting activity has five true and five false sentences, and no steps")
    texts = [l.text for l in unit.labels] + [s.text for s in unit.steps] + [s.text for s in unit.sentences]
    if len(set(texts)) != len(texts):
        fail(path, "two labels of one activity read the same")
