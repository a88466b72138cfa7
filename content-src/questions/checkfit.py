#!/usr/bin/python3
"""Check that quiz questions and answers fit their boxes on the quiz screen.

The question label is 9840 x 1455 twips in Times New Roman 30 pt, word
wrapped: a question may take two lines.  Each answer is an option button
6975 twips wide in Times New Roman 20.25 pt: its text must fit on one line
beside the button's round indicator.  Liberation Serif has the same widths
as Times New Roman.

usage: checkfit.py SOURCE.questions...
"""
import sys

from PIL import ImageFont

SERIF = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf"
QUESTION_WIDTH, QUESTION_LINES, QUESTION_SIZE = 9840, 2, 600  # twips
ANSWER_WIDTH, ANSWER_SIZE = 6975 - 500, 405  # less the indicator and its gap


def lines_needed(text, width, font):
    lines, line = 0, ""
    for word in text.split():
        trial = word if not line else line + " " + word
        if line and font.getlength(trial) > width:
            lines, line = lines + 1, word
        else:
            line = trial
    return lines + (1 if line else 0)


def entries(path):
    """Questions and answers of a source file, as (kind, text)."""
    with open(path, encoding="utf-8") as f:
        rows = [r.rstrip() for r in f if not r.startswith("#")]
    blocks, block = [], []
    for row in rows:
        if row:
            block.append(row)
        elif block:
            blocks.append(block)
            block = []
    if block:
        blocks.append(block)
    for block in blocks[1:]:
        yield "question", block[0]
        for answer in block[1:]:
            yield "answer", answer.lstrip("*")


def main():
    question_font = ImageFont.truetype(SERIF, QUESTION_SIZE)
    answer_font = ImageFont.truetype(SERIF, ANSWER_SIZE)
    bad = 0
    for path in sys.argv[1:]:
        for kind, text in entries(path):
            if kind == "question" and lines_needed(text, QUESTION_WIDTH, question_font) > QUESTION_LINES:
                print(f"{path}: question does not fit two lines: {text}", file=sys.stderr)
                bad += 1
            if kind == "answer" and answer_font.getlength(text) > ANSWER_WIDTH:
                print(f"{path}: answer too wide for its button: {text}", file=sys.stderr)
                bad += 1
    sys.exit(1 if bad else 0)


if __name__ == "__main__":
    main()
