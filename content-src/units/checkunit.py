#!/usr/bin/python3
"""Checks a unit's teaching rules (README.md): a fair quiz, taught before it
is tested, and Key Facts a pupil of 7 to 11 can read.

usage: checkunit.py UNIT_DIR...     exit 1, naming every fault, when a rule is broken
"""
import os
import re
import sys

from readability import MAX_GRADE, MIN_EASE, key_facts_texts, measure
from unitconf import read_unit

COMMON = set("""
about above after again also among another around away back because been before being below between both
came come could does doing down each even every from gave give given going gone have having here into just
kind know like long made make many more most much must never only other over same some such than that
their them then there these they this those through till under until upon very want were what when where
which while will with within without would your yours
""".split())
BANNED = re.compile(r"\b(all|none) of (the|these) (above|answers)\b", re.I)


def read_quiz(path):
    with open(path, encoding="utf-8") as f:
        rows = [r.strip() for r in f.read().split("\n") if not r.startswith("#")]
    blocks, block = [], []
    for row in rows + [""]:
        if row:
            block.append(row)
        elif block:
            blocks.append(block)
            block = []
    return blocks[0][0], blocks[1:]


def key_words(text):
    """Words of four or more letters and numbers, common words left out."""
    found = re.findall(r"[A-Za-z]{4,}|\d+", text)
    return [w for w in found if w.lower() not in COMMON]


def taught(word, facts):
    w = word.lower()
    stems = {w, w[:-1] if w.endswith("s") else w, w[:-2] if w.endswith("es") else w}
    return any(re.search(r"\b" + re.escape(s) + r"(s|es)?\b", facts) for s in stems if len(s) >= 3 or s.isdigit())


def check_unit(folder):
    faults = []
    unit = read_unit(folder)
    title, questions = read_quiz(os.path.join(folder, "quiz.questions"))
    if title != unit.title:
        faults.append(f"quiz title {title!r} is not the unit's title {unit.title!r}")
    if len(questions) != 10:
        faults.append(f"{len(questions)} questions, not 10")
    texts = key_facts_texts(folder)
    facts = " ".join(texts).lower()
    letters = []
    for n, q in enumerate(questions, 1):
        answers = q[1:]
        marked = [i for i, a in enumerate(answers) if a.startswith("*")]
        plain = [a.lstrip("*").strip().lower() for a in answers]
        if len(answers) != 4 or len(marked) != 1:
            faults.append(f"question {n}: four answers with exactly one marked right")
            continue
        if len(set(plain)) != 4:
            faults.append(f"question {n}: two answers read the same")
        if any(BANNED.search(a) for a in answers):
            faults.append(f"question {n}: no 'all/none of the above'")
        letters.append("ABCD"[marked[0]])
        for word in key_words(answers[marked[0]][1:]):
            if not taught(word, facts):
                faults.append(f"question {n}: right answer's word {word!r} is not in the Key Facts")
    for letter in "ABCD":
        if not 1 <= letters.count(letter) <= 4:
            faults.append(f"answer {letter} is right {letters.count(letter)} times (1 to 4 allowed)")
    taught_texts = [l.text for l in unit.labels] + [s.text for s in unit.steps]
    taught_texts += [s.text for s in unit.sentences if s.true]
    for text in taught_texts:
        for word in key_words(text):
            if not taught(word, facts):
                faults.append(f"activity text {text!r}: word {word!r} is not in the Key Facts")
    ease, grade, _, _ = measure(texts)
    if ease < MIN_EASE or grade > MAX_GRADE:
        faults.append(f"Key Facts read at ease {ease:.1f}, grade {grade:.1f} (need {MIN_EASE}+, {MAX_GRADE}-)")
    return faults


def main(folders):
    failed = False
    for folder in folders:
        for fault in check_unit(folder):
            print(f"{folder}: {fault}")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
