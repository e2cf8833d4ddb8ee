"""Prints each annotation's rectangle and RD entry as the PDF file states them, one line each:

    annot PAGE SUBTYPE X0 Y0 X1 Y1 RD L T R B

Usage: pdf_annot_boxes.py FILE.pdf
Rectangles are PyMuPDF page coordinates (origin at the top-left corner, y down, in points); RD is
printed as written (four numbers, or "none").
"""
import sys

import fitz


def main():
    document = fitz.open(sys.argv[1])
    pages = [document[i] for i in range(document.page_count)]
    annots = []
    for page in pages:
        for xref, _, _ in page.annot_xrefs():
            annot = page.load_annot(xref)
            annots.append(annot)
            kind, rd = document.xref_get_key(xref, "RD")
            numbers = rd.strip("[]").split() if kind == "array" else ["none"]
            r = annot.rect
            print("annot", page.number, annot.type[1], r.x0, r.y0, r.x1, r.y1, "RD", " ".join(numbers))


if __name__ == "__main__":
    main()
