"""Prints the colour of a PDF page at points, one line per point:

    pixel X Y RRGGBB

Usage: pdf_pixels.py FILE.pdf PAGE X Y [X Y ...]
Points are PyMuPDF page coordinates (origin at the top-left corner, y down, in points); the
page is rendered at twice its size, as `pagehost render --scale 2` draws it.
"""
import sys

import fitz


def main():
    document = fitz.open(sys.argv[1])
    page = document[int(sys.argv[2])]
    pixmap = page.get_pixmap(matrix=fitz.Matrix(2, 2), alpha=False)
    values = [float(v) for v in sys.argv[3:]]
    for x, y in zip(values[0::2], values[1::2]):
        r, g, b = pixmap.pixel(int(x * 2), int(y * 2))[:3]
        print("pixel", x, y, "%02X%02X%02X" % (r, g, b))


if __name__ == "__main__":
    main()
