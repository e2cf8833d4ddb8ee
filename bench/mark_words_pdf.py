#!/usr/bin/python3
"""Highlight words of a proof for the text-markup import benchmark: on every page, the word
"w<page>x<line>y1" of each line that search_for finds there (one highlight per line).

Usage: /usr/bin/python3 bench/mark_words_pdf.py PROOF.pdf OUT.pdf LINES
"""
import sys

import fitz


def main(argv):
    document = fitz.open(argv[1])
    lines = int(argv[3])
    keep = []  # PyMuPDF 1.21 loses annotations collected before the save
    for index in range(document.page_count):
        page = document[index]
        keep.append(page)
        for line in range(lines):
            hits = page.search_for("w%dx%dy1" % (index, line))
            if hits:
                keep.append(page.add_highlight_annot(hits[0]))
    document.save(argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
