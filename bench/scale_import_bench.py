#!/usr/bin/python3
"""The import's scale benchmark, run as the user runs the program: whole processes on the reference
case of a 1,000-page document with 10,000 comments (bench/make_scale_case.py, cached under
build/bench-cache/ by the generator's content).

Timed, each the median of RUNS runs, with the peak resident memory of each process:
  import        pagehost import of the reviewed proof into a fresh copy of the document
  notes-before  pagehost notes on the document before any import
  notes-after   pagehost notes on the imported document
  open          pagehost render --page 1 (opening the document and drawing one page)
  qpdf-walk     qpdf alone reading every annotation's keys (build/<preset>/bin/qpdf_annotation_walk)
  pymupdf       PyMuPDF reading every annotation and the text under each text markup

and the ratios the import is held to: import against the floor (qpdf walk + opening the document),
import against PyMuPDF, notes against opening the document.

Usage: /usr/bin/python3 bench/scale_import_bench.py [--preset release] [--runs 3]
"""

import argparse
import hashlib
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

PYMUPDF_READER = r"""
import sys
import fitz
MARKUPS = {fitz.PDF_ANNOT_HIGHLIGHT, fitz.PDF_ANNOT_UNDERLINE, fitz.PDF_ANNOT_STRIKE_OUT,
           fitz.PDF_ANNOT_SQUIGGLY}
doc = fitz.open(sys.argv[1])
count, marked = 0, 0
kept = []  # PyMuPDF 1.21 loses annotation objects that Python collects too early
for page in doc:
    kept.append(page)
    for xref, kind, _ in page.annot_xrefs():
        count += 1
        if kind == fitz.PDF_ANNOT_POPUP:  # PyMuPDF does not load popups as annotations
            values = (doc.xref_get_key(xref, "Rect"), doc.xref_get_key(xref, "Parent"))
            continue
        annot = page.load_annot(xref)
        kept.append(annot)
        info = annot.info
        values = (annot.rect, annot.colors, annot.border, annot.flags, annot.vertices, info["title"],
                  info["content"], info["modDate"])
        if kind in MARKUPS:
            marked += len(page.get_textbox(annot.rect))
print(count, "annotations,", marked, "characters under markups")
"""


def run_once(command, env):
    """Wall time in seconds and peak resident memory in MiB of one process."""
    # Standard error goes to a file: a pipe read only after the wait would fill up and stall the run.
    with tempfile.TemporaryFile() as errors:
        start = time.monotonic()
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=errors, env=env)
        _, status, usage = os.wait4(process.pid, 0)
        wall = time.monotonic() - start
        process.returncode = os.waitstatus_to_exitcode(status)
        errors.seek(0)
        text = errors.read().decode(errors="replace")
    return wall, usage.ru_maxrss / 1024.0, process.returncode, text


def measure(name, command, runs, env, prepare=None, statuses=(0,)):
    walls, peaks = [], []
    for _ in range(runs):
        if prepare:
            prepare()
        wall, peak, status, errors = run_once(command, env)
        if status not in statuses:
            sys.exit("%s failed with status %d: %s" % (name, status, errors[-500:]))
        walls.append(wall)
        peaks.append(peak)
    result = {"wall": statistics.median(walls), "peak": max(peaks), "status": status, "errors": errors}
    print("%-13s %8.2f s   peak %7.1f MiB   (runs: %s)" %
          (name, result["wall"], result["peak"], " ".join("%.2f" % w for w in walls)), flush=True)
    return result


def scale_case(pagehost):
    generator = os.path.join(HERE, "make_scale_case.py")
    with open(generator, "rb") as f:
        key = hashlib.sha256(f.read()).hexdigest()[:16]
    cache = os.path.join(ROOT, "build", "bench-cache", "scale-" + key)
    subprocess.run(["/usr/bin/python3", generator, pagehost, cache], check=True)
    return os.path.join(cache, "book.phd"), os.path.join(cache, "reviewed.pdf")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--preset", default="release")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    bin_dir = os.path.join(ROOT, "build", args.preset, "bin")
    pagehost = os.path.join(bin_dir, "pagehost")
    walk = os.path.join(bin_dir, "qpdf_annotation_walk")
    book, reviewed = scale_case(pagehost)
    work = tempfile.mkdtemp(prefix="pagehost-scale-")
    env = dict(os.environ, PAGEHOST_HOME=os.path.join(work, "home"))
    imported = os.path.join(work, "imported.phd")
    reader = os.path.join(work, "read_annotations.py")
    with open(reader, "w") as f:
        f.write(PYMUPDF_READER)

    print("case: %s (%d bytes), %s (%d bytes)" % (book, os.path.getsize(book), reviewed, os.path.getsize(reviewed)))
    results = {
        "open": measure("open", [pagehost, "render", book, "--page", "1", "--out", os.path.join(work, "p1.png")],
                        args.runs, env),
        "qpdf-walk": measure("qpdf-walk", [walk, reviewed], args.runs, env),
        "pymupdf": measure("pymupdf", ["/usr/bin/python3", reader, reviewed], args.runs, env),
        "notes-before": measure("notes-before", [pagehost, "notes", book], args.runs, env),
        # The import fails (status 1) when nothing at all could be imported.
        "import": measure("import", [pagehost, "import", imported, reviewed], args.runs, env,
                          prepare=lambda: shutil.copyfile(book, imported), statuses=(0, 1)),
    }
    results["notes-after"] = measure("notes-after", [pagehost, "notes", imported], args.runs, env)
    last = [line for line in results["import"]["errors"].replace("\r", "\n").splitlines() if "pagehost:" in line]
    if last:
        print("import said: " + " / ".join(last))

    floor = results["qpdf-walk"]["wall"] + results["open"]["wall"]
    print()
    print("import / floor (qpdf walk + open)   %6.2f   (target 2.5)" % (results["import"]["wall"] / floor))
    print("import / PyMuPDF reading            %6.2f   (target below 1)" %
          (results["import"]["wall"] / results["pymupdf"]["wall"]))
    print("notes before import / open          %6.2f   (target 2)" %
          (results["notes-before"]["wall"] / results["open"]["wall"]))
    print("notes after import / open           %6.2f" % (results["notes-after"]["wall"] / results["open"]["wall"]))
    print("import peak memory                 %7.1f MiB (target below 250)" % results["import"]["peak"])
    shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
