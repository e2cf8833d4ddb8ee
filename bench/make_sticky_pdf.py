#!/usr/bin/python3
"""Make the import benchmark's reviewed PDF: PAGES US Letter pages with NOTES sticky notes spread
evenly over them, made by the repository's fixture tools.

Usage: /usr/bin/python3 bench/make_sticky_pdf.py OUT.pdf [PAGES [NOTES]]
"""

import json
import os
import subprocess
import sys
import tempfile

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools")


def main():
    out = sys.argv[1]
    pages = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    notes = int(sys.argv[3]) if len(sys.argv) > 3 else 2000
    with tempfile.TemporaryDirectory() as tmp:
        spec = [{"size": [612, 792], "lines": ["Page %d" % (i + 1)]} for i in range(pages)]
        with open(os.path.join(tmp, "pages.json"), "w") as f:
            json.dump(spec, f)
        plain = os.path.join(tmp, "plain.pdf")
        subprocess.run(["/usr/bin/python3", os.path.join(TOOLS, "make_sample_pdf.py"), plain,
                        os.path.join(tmp, "pages.json")], check=True)
        per_page = max(1, notes // pages)
        comments = [{"page": n // per_page % pages, "kind": "Text", "point": [72 + 40 * (n % per_page), 100],
                     "contents": "note %d" % n, "author": "Reviewer"} for n in range(notes)]
        with open(os.path.join(tmp, "comments.json"), "w") as f:
            json.dump(comments, f)
        subprocess.run(["/usr/bin/python3", os.path.join(TOOLS, "annotate_pdf.py"), plain,
                        os.path.join(tmp, "comments.json"), out], check=True)


if __name__ == "__main__":
    main()
