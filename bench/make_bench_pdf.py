#!/usr/bin/python3
"""Make the benchmark's reviewed PDF: PAGES pages with ANNOTS annotations spread evenly over them,
cycling through the kinds the import reads, made by the repository's fixture tools.

Usage: /usr/bin/python3 bench/make_bench_pdf.py OUT.pdf [PAGES [ANNOTS]]
"""

import json
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = os.path.join(HERE, "..", "tools")

KINDS = [
    lambda y: {"kind": "Text", "point": [400, y], "contents": "Bitte prüfen", "author": "Reviewer",
               "date": "D:20240102030405Z"},
    lambda y: {"kind": "Highlight", "rects": [[72, y, 200, y + 12]], "stroke": [1, 1, 0]},
    lambda y: {"kind": "StrikeOut", "rects": [[72, y, 150, y + 12]], "stroke": [1, 0, 0]},
    lambda y: {"kind": "Underline", "rects": [[72, y, 180, y + 12]]},
    lambda y: {"kind": "Caret", "point": [300, y]},
    lambda y: {"kind": "Line", "points": [[72, y], [200, y + 10]], "line_ends": ["OpenArrow", "None"],
               "width": 2, "dashes": [3, 2]},
    lambda y: {"kind": "PolyLine", "points": [[300, y], [320, y + 10], [340, y]]},
    lambda y: {"kind": "Polygon", "points": [[400, y], [420, y + 10], [440, y]], "cloudy": 2, "fill": [0, 0, 1]},
    lambda y: {"kind": "Square", "rect": [450, y, 500, y + 20], "width": 0.5},
    lambda y: {"kind": "FreeText", "rect": [300, y, 450, y + 20], "text": "comment"},
]


def main(argv):
    out = argv[1]
    pages = int(argv[2]) if len(argv) > 2 else 1000
    annots = int(argv[3]) if len(argv) > 3 else 10000
    with tempfile.TemporaryDirectory() as tmp:
        layout = os.path.join(tmp, "pages.json")
        with open(layout, "w") as f:
            json.dump([{"size": [595, 842], "lines": ["Page %d of the benchmark proof." % (i + 1)]}
                       for i in range(pages)], f)
        plain = os.path.join(tmp, "plain.pdf")
        subprocess.run([sys.executable, os.path.join(TOOLS, "make_sample_pdf.py"), plain, layout], check=True)
        comments = []
        for i in range(annots):
            page = i * pages // annots
            slot = i - (page * annots + pages - 1) // pages
            spec = KINDS[i % len(KINDS)](100 + 40 * (slot % 17))
            spec["page"] = page
            comments.append(spec)
        with open(os.path.join(tmp, "comments.json"), "w") as f:
            json.dump(comments, f)
        subprocess.run([sys.executable, os.path.join(TOOLS, "annotate_pdf.py"), plain,
                        os.path.join(tmp, "comments.json"), out], check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
