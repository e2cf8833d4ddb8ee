"""Prints each PDF page's boxes and where PyMuPDF finds each word, one fact per line:

    page INDEX mediabox X0 Y0 X1 Y1 trimbox X0 Y0 X1 Y1
    word WORD page INDEX X0 Y0 X1 Y1
    char WORD K page INDEX X0 Y0 X1 Y1      (character K of the word found just before)

Usage: pdf_word_boxes.py PROOF.pdf WORD...
Word rectangles are in PDF coordinates (y upwards from the page's bottom edge).
"""
import sys

import fitz


def characters(page):
    """Every character PyMuPDF reads on the page with its box, in reading order."""
    found = []
    for block in page.get_text("rawdict")["blocks"]:
        for line in block.get("lines", []):
            for span in line["spans"]:
                found.extend(span["chars"])
    return found


def inside(box, rect):
    x, y = (box[0] + box[2]) / 2, (box[1] + box[3]) / 2
    return rect.x0 <= x <= rect.x1 and rect.y0 <= y <= rect.y1


def main():
    document = fitz.open(sys.argv[1])
    for index, page in enumerate(document):
        media, trim = page.mediabox, page.trimbox
        print("page", index, "mediabox", *list(media), "trimbox", *list(trim))
        height = media.height
        chars = characters(page)
        for word in sys.argv[2:]:
            for r in page.search_for(word):
                print("word", word, "page", index, r.x0, height - r.y1, r.x1, height - r.y0)
                within = [c["bbox"] for c in chars if inside(c["bbox"], r)]
                for k, b in enumerate(within):
                    print("char", word, k, "page", index, b[0], height - b[3], b[2], height - b[1])


if __name__ == "__main__":
    main()
