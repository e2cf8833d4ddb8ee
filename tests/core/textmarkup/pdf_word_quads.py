"""Prints where PyMuPDF finds words in a PDF, as quadrilaterals, one per line:

    quad WORD page INDEX ULX ULY URX URY LLX LLY LRX LRY

Usage: pdf_word_quads.py PROOF.pdf WORD...
Coordinates are PyMuPDF page coordinates: origin at the page's top-left corner,
y growing downwards, in points; corners in the order upper left, upper right,
lower left, lower right (the order of a PDF markup's QuadPoints).
"""
import sys

import fitz


def main():
    document = fitz.open(sys.argv[1])
    for index, page in enumerate(document):
        for word in sys.argv[2:]:
            for q in page.search_for(word, quads=True):
                corners = [q.ul, q.ur, q.ll, q.lr]
                print("quad", word, "page", index, *[v for p in corners for v in (p.x, p.y)])


if __name__ == "__main__":
    main()
