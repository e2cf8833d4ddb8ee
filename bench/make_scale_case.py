#!/usr/bin/python3
"""Make the import's scale case: a 1,000-page document made by `pagehost new` (one story of about
3.5 million characters threaded through 1,000 frames), its own proof made by `pagehost export-pdf`,
and that proof with 10,000 review comments added by PyMuPDF: 4,000 sticky notes with their popups
and 6,000 text markups on words found on the proof with page.search_for.

The three files are written to CACHE_DIR (book.json, book.phd, proof.pdf, reviewed.pdf). When
CACHE_DIR already holds reviewed.pdf the script does nothing, so callers key the folder by this
script's content and the pagehost binary's.

Usage: /usr/bin/python3 bench/make_scale_case.py PAGEHOST CACHE_DIR [PAGES [NOTES [MARKUPS]]]
"""

import json
import os
import random
import subprocess
import sys

import fitz

WORDS = ("harbour lantern keeper ledger winter shipwreck paraffin gallery summer weather clockwork "
         "island supply boat storm archive county family beacon signal coast rocks tide channel "
         "northern channel visitor evening morning record chart compass").split()
MARKUP_ADDERS = ("add_highlight_annot", "add_underline_annot", "add_strikeout_annot", "add_squiggly_annot")


def story(characters):
    """Deterministic prose of about the given length, in paragraphs of about 700 characters. The
    frames hold about 3,450 characters each, so 3,500 a page fills every frame and oversets a little."""
    rng = random.Random(1000)
    paragraphs, length = [], 0
    while length < characters:
        sentence_words = [rng.choice(WORDS) for _ in range(110)]
        text = " ".join(sentence_words).capitalize() + "."
        paragraphs.append(text)
        length += len(text)
    return paragraphs


def layout(pages, characters):
    return {
        "pageSize": {"width": 612, "height": 792},
        "layers": [{"name": "Text"}],
        "spreads": [{"pages": [{}]} for _ in range(pages)],
        "textFrames": [{"page": p + 1, "bounds": [36, 36, 576, 646], "story": "book", "layer": "Text"}
                       for p in range(pages)],
        "stories": [{"id": "book", "paragraphs": story(characters)}],
    }


def annotate(proof, out, notes, markups):
    doc = fitz.open(proof)
    kept = []  # PyMuPDF 1.21 loses annotation objects collected before the save
    pages = doc.page_count
    for number in range(pages):
        page = doc[number]
        words = [w for w in page.get_text("words") if len(w[4]) > 4]
        if not words:
            continue
        per_notes = notes // pages + (1 if number < notes % pages else 0)
        per_markups = markups // pages + (1 if number < markups % pages else 0)
        for n in range(per_notes):
            word = words[(7 * n) % len(words)]
            annot = page.add_text_annot(fitz.Point(word[2] + 2, word[1]), "Note %d on page %d" % (n, number + 1))
            annot.set_info(title="Reviewer")
            annot.set_popup(fitz.Rect(420, 40 + 60 * n, 600, 100 + 60 * n))
            annot.update()
            kept.append(annot)
        for n in range(per_markups):
            text = words[(13 * n + 3) % len(words)][4]
            hits = page.search_for(text)
            if not hits:
                continue
            annot = getattr(page, MARKUP_ADDERS[n % len(MARKUP_ADDERS)])(hits[0].quad)
            annot.set_info(title="Reviewer", content="markup %d" % n)
            annot.update()
            kept.append(annot)
    doc.save(out, garbage=0, deflate=True)
    return len(kept)


def main(argv):
    pagehost, cache = argv[1], argv[2]
    pages = int(argv[3]) if len(argv) > 3 else 1000
    notes = int(argv[4]) if len(argv) > 4 else 4000
    markups = int(argv[5]) if len(argv) > 5 else 6000
    reviewed = os.path.join(cache, "reviewed.pdf")
    if os.path.exists(reviewed):
        return 0
    os.makedirs(cache, exist_ok=True)
    book_json, book, proof = (os.path.join(cache, name) for name in ("book.json", "book.phd", "proof.pdf"))
    with open(book_json, "w") as f:
        json.dump(layout(pages, 3500 * pages), f)
    for path in (book, proof):
        if os.path.exists(path):
            os.remove(path)
    subprocess.run([pagehost, "new", book_json, book], check=True)
    subprocess.run([pagehost, "export-pdf", book, proof], check=True)
    made = annotate(proof, reviewed + ".partial", notes, markups)
    os.replace(reviewed + ".partial", reviewed)
    print("made %s: %d comments" % (reviewed, made))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
