#!/usr/bin/python3
"""How `pagehost new` grows with the document: layouts of 500, 1,000, 2,000 and 10,000 one-page
spreads, each page with a frame threaded onto one story (a paragraph of 200 words per page), made
into documents as the user runs the program. Prints the median wall time and peak memory of each
size and each size's time against the smallest, beside the ratio of their page counts: time linear
in the pages keeps the two close.

Usage: /usr/bin/python3 bench/new_scale_bench.py [--preset release] [--runs 3] [--sizes 500,1000]
"""

import argparse
import json
import os
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from scale_import_bench import ROOT, measure  # noqa: E402


def book_layout(spreads):
    return {
        "pageSize": {"width": 612, "height": 792},
        "spreads": [{"pages": [{}]} for _ in range(spreads)],
        "textFrames": [{"page": p + 1, "bounds": [72, 72, 540, 700], "story": "s"} for p in range(spreads)],
        "stories": [{"id": "s", "paragraphs": ["word " * 200 for _ in range(spreads)]}],
    }


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--preset", default="release")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--sizes", default="500,1000,2000,10000")
    args = parser.parse_args()
    pagehost = os.path.join(ROOT, "build", args.preset, "bin", "pagehost")
    sizes = [int(size) for size in args.sizes.split(",")]
    results = {}
    with tempfile.TemporaryDirectory(prefix="pagehost-new-bench-") as work:
        for size in sizes:
            layout = os.path.join(work, "book-%d.json" % size)
            with open(layout, "w") as out:
                json.dump(book_layout(size), out)
            doc = os.path.join(work, "book-%d.phd" % size)
            remove = lambda doc=doc: os.path.exists(doc) and os.remove(doc)  # noqa: E731
            results[size] = measure("new %d" % size, [pagehost, "new", layout, doc], args.runs, os.environ,
                                    prepare=remove)
    smallest = sizes[0]
    print()
    for size in sizes[1:]:
        print("%6d / %d spreads: time %.2f for %.1f times the pages" %
              (size, smallest, results[size]["wall"] / results[smallest]["wall"], size / smallest))


if __name__ == "__main__":
    main()
