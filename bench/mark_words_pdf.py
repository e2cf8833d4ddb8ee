#!/usr/bin/python3
"""Mark words of a proof for the text-markup import benchmark: on every page, the word
"w<page>x<line>y1" of each of the first LINES lines that search_for finds there: one highlight per
line, or with "replace" a replacement as a reviewer's replace tool writes it (the word struck out
and a caret with the new text at its right edge, the strike-out naming the caret through IRT).

Usage: /usr/bin/python3 bench/mark_words_pdf.py PROOF.pdf OUT.pdf LINES [replace]
"""
import sys

import fitz


def replacement(document, page, word):
    strike = page.add_strikeout_annot(word.quad)
    middle = (word.y0 + word.y1) / 2
    caret = page.add_caret_annot(fitz.Point(word.x1, middle))
    caret.set_rect(fitz.Rect(word.x1, middle - 14, word.x1 + 20, middle))
    caret.set_info(content="new")
    caret.update()
    document.xref_set_key(strike.xref, "IRT", "%d 0 R" % caret.xref)
    document.xref_set_key(strike.xref, "RT", "/Group")
    return [strike, caret]


def main(argv):
    document = fitz.open(argv[1])
    lines = int(argv[3])
    replace = len(argv) > 4 and argv[4] == "replace"
    keep = []  # PyMuPDF 1.21 loses annotations collected before the save
    for index in range(document.page_count):
        page = document[index]
        keep.append(page)
        for line in range(lines):
            hits = page.search_for("w%dx%dy1" % (index, line))
            if hits and replace:
                keep.extend(replacement(document, page, fitz.Rect(hits[0])))
            elif hits:
                keep.append(page.add_highlight_annot(hits[0]))
    document.save(argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
