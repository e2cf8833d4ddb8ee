"""Prints the text PyMuPDF reads on each page of a PDF, as a JSON list of strings (one per page,
lines separated by newlines).

Usage: pdf_text.py PROOF.pdf
"""
import json
import sys

import fitz


def main():
    document = fitz.open(sys.argv[1])
    pages = [document[i].get_text() for i in range(document.page_count)]
    print(json.dumps(pages))


if __name__ == "__main__":
    main()
