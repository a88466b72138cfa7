#!/usr/bin/python3
"""Reading ease of a unit's Key Facts pages, as a pupil meets them.

Flesch reading ease = 206.835 - 1.015 (words / sentences) - 84.6 (syllables / words)
Flesch-Kincaid grade = 0.39 (words / sentences) + 11.8 (syllables / words) - 15.59

Every heading, paragraph sentence, bullet and numbered entry counts as a
sentence (a bullet is read as one).  Syllables are counted by vowel groups,
with the usual corrections for a silent final "e" and for "-le" endings.

usage: readability.py UNIT_DIR...        prints one line per unit;
       readability.py --check UNIT_DIR...  also fails (exit 1) when a unit's
                                           Key Facts read below ease 70 or above grade 5
"""
import glob
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pages"))
from layout import read_page  # noqa: E402

MIN_EASE, MAX_GRADE = 70.0, 5.0


def plain(text):
    """Page markup taken away: bold marks, Greek runs read as their words."""
    text = re.sub(r"\*\*(.+?)\*\*", r"\1", text)
    return re.sub(r"\{g:(.+?)\}", r"\1", text)


def block_texts(page_path):
    """The texts of a page in reading order: headings, paragraphs, list entries."""
    texts = []
    for block in read_page(page_path).blocks:
        if block[0] in ("heading", "para", "bullet"):
            texts.append(plain(block[1]))
        elif block[0] == "item":
            texts.append(plain(block[2]))
    return texts


def key_facts_texts(unit_dir):
    return [t for page in sorted(glob.glob(os.path.join(unit_dir, "key-*.page"))) for t in block_texts(page)]


def sentences(texts):
    result = []
    for text in texts:
        result += [s for s in re.split(r"(?<=[.!?])\s+", text.strip()) if re.search(r"[A-Za-z0-9]", s)]
    return result


def words(sentence):
    return re.findall(r"[A-Za-z0-9]+(?:['\u2019-][A-Za-z]+)*", sentence)


def syllables(word):
    w = word.lower()
    if w.isdigit():
        return max(1, len(w))  # a date read aloud: roughly one syllable a digit
    w = re.sub(r"[^a-z]", "", w)
    if len(w) <= 3:
        return 1
    if re.search(r"[^aeiouy]le$", w):
        w = w[:-2] + "al"  # "temple" = tem-ple
    w = re.sub(r"(?:[^laeiouy]es|[^laeiouy]ed|[^laeiouy]e)$", lambda m: m.group(0)[0], w)
    groups = re.findall(r"[aeiouy]+", w)
    return max(1, len(groups))


def measure(texts):
    ss = sentences(texts)
    ws = [w for s in ss for w in words(s)]
    if not ss or not ws:
        return 0.0, 99.0, 0, 0
    syl = sum(syllables(w) for w in ws)
    wps, spw = len(ws) / len(ss), syl / len(ws)
    return 206.835 - 1.015 * wps - 84.6 * spw, 0.39 * wps + 11.8 * spw - 15.59, len(ss), len(ws)


def main(argv):
    check = argv[:1] == ["--check"]
    failed = False
    for unit_dir in argv[1:] if check else argv:
        ease, grade, n_sentences, n_words = measure(key_facts_texts(unit_dir))
        ok = ease >= MIN_EASE and grade <= MAX_GRADE
        failed |= not ok
        print(f"{os.path.basename(os.path.normpath(unit_dir)):12} reading ease {ease:5.1f}  grade {grade:4.1f}"
              f"  ({n_sentences} sentences, {n_words} words){'' if ok else '  TOO HARD'}")
    return 1 if check and failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
