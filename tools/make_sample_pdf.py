#!/usr/bin/python3
"""Make a plain PDF with text, for test fixtures.

Usage: /usr/bin/python3 tools/make_sample_pdf.py OUT.pdf [PAGES.json]

PAGES.json is a list of pages, each {"size": [w, h], "lines": ["text", ...]},
optionally {"trimbox": [x0, y0, x1, y1]} in PDF units (y upwards). Without it
the PDF has two A4 pages of sample sentences. Lines start 72 pt from the top and
left edges, 18 pt apart, in 12 pt Helvetica.
"""

import json
import sys

import fitz

DEFAULT_PAGES = [
    {"size": [595, 842], "lines": ["The quick brown fox jumps over the lazy dog.",
                                   "Pack my box with five dozen liquor jugs."]},
    {"size": [595, 842], "lines": ["Sphinx of black quartz, judge my vow.",
                                   "How vexingly quick daft zebras jump."]},
]


def add_page(doc, spec):
    width, height = spec.get("size", [595, 842])
    page = doc.new_page(width=width, height=height)
    for i, line in enumerate(spec.get("lines", [])):
        page.insert_text((72, 72 + 18 * i), line, fontsize=12)
    if "trimbox" in spec:
        doc.xref_set_key(page.xref, "TrimBox", "[" + " ".join(str(v) for v in spec["trimbox"]) + "]")


def main(argv):
    if len(argv) not in (2, 3):
        sys.stderr.write("usage: make_sample_pdf.py OUT.pdf [PAGES.json]\n")
        return 2
    pages = DEFAULT_PAGES
    if len(argv) == 3:
        with open(argv[2], encoding="utf-8") as f:
            pages = json.load(f)
    doc = fitz.open()
    for spec in pages:
        add_page(doc, spec)
    doc.save(argv[1])
    doc.close()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
