#!/usr/bin/python3
"""Add review comments to a PDF, for test fixtures.

Usage: /usr/bin/python3 tools/annotate_pdf.py IN.pdf COMMENTS.json OUT.pdf

Written for Debian's PyMuPDF (python3-fitz 1.21). COMMENTS.json holds a list of
objects, one per annotation, applied in order:

    {"page": 0, "kind": "Highlight", "search": "quick", ...}

Coordinates are PyMuPDF page coordinates: origin at the top-left corner of the
page, y growing downwards, in points. The PDF file itself stores y upwards, so
a point (x, y) given here is (x, page_height - y) in the written file.

Kinds and their placement keys
  Text                 sticky note at "point" [x, y] or "near".
                       "popup": true or [x0, y0, x1, y1] adds a popup;
                       "open": true/false sets the popup's open flag;
                       "icon" names the icon (Note, Comment, Key, ...).
  Highlight, Underline, StrikeOut, Squiggly
                       "search": "word" (with optional "occurrence", 0-based)
                       finds the text with page.search_for; otherwise
                       "rects": [[x0, y0, x1, y1], ...] or
                       "quads": [[x0, y0, x1, y1, x2, y2, x3, y3], ...]
                       (upper-left, upper-right, lower-left, lower-right);
                       "words": ["w1", "w2", ...] marks one quadrilateral per
                       word (its first occurrence), in that order, as one
                       markup; "phrase": true takes every rectangle
                       search_for gives for "search" (a phrase broken over
                       lines gives one per line).
  Caret                "point" or "near"; "before": "word" / "after": "word"
                       puts the insertion point at the word's left / right
                       edge, half way down the word (the caret's rectangle
                       then has that point as its lower-left corner, where
                       its appearance starts); "appearance": "content stream text"
                       replaces the generated appearance stream (optional
                       "matrix": [a b c d e f], "bbox": [x0 y0 x1 y1], which are
                       written as given, in PDF units).
  Redact               "search"/"rect"; "overlay_text" is the replacement text.
  FreeText             "rect" or "near"; "text"; "fontsize";
                       "callout": [[x, y], ...] (2 or 3 points) adds the callout
                       line (CL) and the intent FreeTextCallout;
                       "callout_to": "word" (with "callout_occurrence") moves
                       the box by "shift" [dx, dy] (default [60, 40]) from where
                       "near" puts it and draws a three-point callout from the
                       word's lower-right corner to the box's left edge: the
                       Rect then spans box and callout, RD insets the box
                       (left, top, right, bottom) and "line_start" names the
                       line ending at the word (LE).
  Line                 "points": [[x1, y1], [x2, y2]] or "near" (a line under
                       the word); "line_ends": ["OpenArrow", "None"].
  PolyLine, Polygon    "points": [[x, y], ...] or "near" (a triangle beside the
                       word); PolyLine also takes "line_ends".
  Circle, Square       "rect" or "near".

"near": "word" (with "occurrence") places the annotation beside the word found
with page.search_for, so callers never need to know where the text lies;
"size": [w, h] sets the placed rectangle's size (default 20 x 20).

Options for every kind
  "stroke": [r, g, b]      main colour (C); "fill": [r, g, b] interior colour (IC)
  "width": n               border width; "dashes": [on, off] dashed border (BS /S /D)
  "style": "S"|"D"|...     border style name written as given
  "cloudy": n              cloudy border effect BE << /S /C /I n >>
  "flags": n               annotation flags (F), e.g. 2 = hidden
  "author": "..."          T; "contents": "..." Contents (any Unicode)
  "subject": "..."         Subj
  "date": "D:2023..."      M, written as given; "creation_date" likewise
  "name": "..."            NM (unique name)
  "in_reply_to": i         IRT pointing to comment number i of this file
  "raw": {"Key": "value"}  keys written verbatim in PDF syntax with
                           doc.xref_set_key; "{ref:i}" in a value becomes a
                           reference to comment number i, "{popup:i}" to its
                           popup. The value "null" removes the key.
"""

import json
import sys

import fitz

DEFAULT_SIZE = (20.0, 20.0)
MARKUP_ADDERS = {
    "Highlight": "add_highlight_annot",
    "Underline": "add_underline_annot",
    "StrikeOut": "add_strikeout_annot",
    "Squiggly": "add_squiggly_annot",
}
LINE_END_SUFFIX = {
    "Square": "SQUARE", "Circle": "CIRCLE", "Diamond": "DIAMOND", "OpenArrow": "OPEN_ARROW",
    "ClosedArrow": "CLOSED_ARROW", "Butt": "BUTT", "ROpenArrow": "R_OPEN_ARROW",
    "RClosedArrow": "R_CLOSED_ARROW", "Slash": "SLASH",
}


class CommentError(Exception):
    pass


def pdf_string(text):
    """PDF string syntax for any Unicode text (UTF-16BE with BOM when needed)."""
    return fitz.get_pdf_str(text)


def pdf_array(values):
    return "[" + " ".join(format_number(v) for v in values) + "]"


def format_number(value):
    return ("%.4f" % value).rstrip("0").rstrip(".") if isinstance(value, float) else str(value)


def line_end_code(name):
    """PyMuPDF's code for a line ending name; unknown names draw nothing."""
    return getattr(fitz, "PDF_ANNOT_LE_" + LINE_END_SUFFIX.get(name, "NONE"))


def found_word(page, spec):
    """Rectangle of the requested occurrence of spec["search"] or spec["near"]."""
    word = spec.get("search", spec.get("near"))
    hits = page.search_for(word)
    occurrence = spec.get("occurrence", 0)
    if occurrence >= len(hits):
        raise CommentError("text %r occurs %d times on page %d" % (word, len(hits), page.number))
    return fitz.Rect(hits[occurrence])


def placed_rect(page, spec):
    """The rectangle a rectangle-shaped annotation occupies."""
    if "rect" in spec:
        return fitz.Rect(spec["rect"])
    if "near" in spec:
        word = found_word(page, spec)
        width, height = spec.get("size", DEFAULT_SIZE)
        return fitz.Rect(word.x1 + 2, word.y0, word.x1 + 2 + width, word.y0 + height)
    raise CommentError("%s needs 'rect' or 'near'" % spec["kind"])


def placed_point(page, spec):
    if "before" in spec or "after" in spec:
        return caret_rect(page, spec).bl
    if "point" in spec:
        return fitz.Point(spec["point"])
    if "near" in spec:
        word = found_word(page, spec)
        return fitz.Point(word.x1 + 2, word.y0)
    raise CommentError("%s needs 'point' or 'near'" % spec["kind"])


def caret_rect(page, spec):
    """A caret rectangle whose lower-left corner is the insertion point at a word's edge."""
    word = found_word(page, {"search": spec.get("before", spec.get("after"))})
    x = word.x0 if "before" in spec else word.x1
    y = (word.y0 + word.y1) / 2
    return fitz.Rect(x, y - 14, x + 20, y)


def placed_points(page, spec, count):
    """Vertices of a line-like annotation: given, or derived from a word."""
    if "points" in spec:
        return [fitz.Point(p) for p in spec["points"]]
    if "near" not in spec:
        raise CommentError("%s needs 'points' or 'near'" % spec["kind"])
    word = found_word(page, spec)
    if count == 2:
        return [fitz.Point(word.x0, word.y1 + 2), fitz.Point(word.x1, word.y1 + 2)]
    left = word.x1 + 4
    return [fitz.Point(left, word.y1), fitz.Point(left + 10, word.y0), fitz.Point(left + 20, word.y1)]


def markup_quads(page, spec):
    if "search" in spec and spec.get("phrase"):
        return [fitz.Rect(r).quad for r in page.search_for(spec["search"])]
    if "search" in spec:
        return [found_word(page, spec).quad]
    if "words" in spec:
        return [found_word(page, {"search": w}).quad for w in spec["words"]]
    if "quads" in spec:
        return [fitz.Quad(q[0:2], q[2:4], q[4:6], q[6:8]) for q in spec["quads"]]
    if "rects" in spec:
        return [fitz.Rect(r).quad for r in spec["rects"]]
    raise CommentError("%s needs 'search', 'quads' or 'rects'" % spec["kind"])


def create_annotation(page, spec):
    kind = spec["kind"]
    if kind == "Text":
        annot = page.add_text_annot(placed_point(page, spec), spec.get("contents", ""),
                                    icon=spec.get("icon", "Note"))
    elif kind in MARKUP_ADDERS:
        annot = getattr(page, MARKUP_ADDERS[kind])(markup_quads(page, spec))
    elif kind == "Caret":
        annot = page.add_caret_annot(placed_point(page, spec))
        if "before" in spec or "after" in spec:
            annot.set_rect(caret_rect(page, spec))
    elif kind == "Redact":
        area = markup_quads(page, spec)[0] if "search" in spec else placed_rect(page, spec)
        annot = page.add_redact_annot(area, text=spec.get("overlay_text"))
    elif kind == "FreeText":
        rect = placed_rect(page, spec)
        if "callout_to" in spec:
            rect = rect + (spec.get("shift", [60, 40]) * 2)
        annot = page.add_freetext_annot(rect, spec.get("text", ""), fontsize=spec.get("fontsize", 11))
    elif kind == "Line":
        annot = page.add_line_annot(*placed_points(page, spec, 2)[0:2])
    elif kind == "PolyLine":
        annot = page.add_polyline_annot(placed_points(page, spec, 3))
    elif kind == "Polygon":
        annot = page.add_polygon_annot(placed_points(page, spec, 3))
    elif kind == "Circle":
        annot = page.add_circle_annot(placed_rect(page, spec))
    elif kind == "Square":
        annot = page.add_rect_annot(placed_rect(page, spec))
    else:
        raise CommentError("unknown kind %r" % kind)
    return annot


def apply_styles(annot, spec):
    """Options PyMuPDF expresses itself; applied before the appearance is built."""
    if "stroke" in spec or "fill" in spec:
        annot.set_colors(stroke=spec.get("stroke"), fill=spec.get("fill"))
    if "width" in spec or "dashes" in spec:
        annot.set_border(width=spec.get("width", 1), dashes=spec.get("dashes"))
    info = {}
    if "author" in spec:
        info["title"] = spec["author"]
    if "contents" in spec and spec["kind"] != "Text":
        info["content"] = spec["contents"]
    if "subject" in spec:
        info["subject"] = spec["subject"]
    if info:
        annot.set_info(**info)
    if spec["kind"] in ("Line", "PolyLine") and "line_ends" in spec:
        start, end = (line_end_code(n) for n in spec["line_ends"])
        annot.set_line_ends(start, end)
    if "flags" in spec:
        annot.set_flags(spec["flags"])
    annot.update()


def add_popup(annot, page, spec):
    if "popup" not in spec or spec["popup"] is False:
        return
    popup = spec["popup"]
    if popup is True:
        r = annot.rect
        popup = [r.x1 + 4, r.y0, r.x1 + 184, r.y0 + 100]
    annot.set_popup(fitz.Rect(popup))
    if "open" in spec:
        annot.set_open(bool(spec["open"]))


def write_appearance(doc, annot, spec):
    """Replace the normal appearance with the given content stream."""
    stream = doc.get_new_xref()
    bbox = spec.get("bbox", [0, 0, annot.rect.width, annot.rect.height])
    matrix = spec.get("matrix", [1, 0, 0, 1, 0, 0])
    doc.update_object(stream, "<< /Type /XObject /Subtype /Form /BBox %s /Matrix %s >>"
                      % (pdf_array(bbox), pdf_array(matrix)))
    doc.update_stream(stream, spec["appearance"].encode("latin-1"))
    doc.xref_set_key(annot.xref, "AP", "<< /N %d 0 R >>" % stream)


def write_keys(doc, annot, spec):
    """Keys PyMuPDF cannot set itself (or resets in update()): written last."""
    xref = annot.xref
    if spec["kind"] == "Text" and "contents" in spec:
        doc.xref_set_key(xref, "Contents", pdf_string(spec["contents"]))
    if "style" in spec:
        doc.xref_set_key(xref, "BS/S", "/" + spec["style"])
    if "cloudy" in spec:
        doc.xref_set_key(xref, "BE", "<< /S /C /I %s >>" % format_number(spec["cloudy"]))
    if "line_ends" in spec:
        doc.xref_set_key(xref, "LE", "[" + " ".join("/" + n for n in spec["line_ends"]) + "]")
    if spec["kind"] == "Redact" and "overlay_text" in spec:
        doc.xref_set_key(xref, "OverlayText", pdf_string(spec["overlay_text"]))
    if spec["kind"] == "FreeText" and "callout_to" in spec:
        write_callout_to_word(doc, annot, spec)
    if spec["kind"] == "FreeText" and "callout" in spec:
        points = [format_number(c) for p in spec["callout"] for c in pdf_point(annot, p)]
        doc.xref_set_key(xref, "CL", "[" + " ".join(points) + "]")
        doc.xref_set_key(xref, "IT", "/FreeTextCallout")
    if "appearance" in spec:
        write_appearance(doc, annot, spec)
    if "name" in spec:
        doc.xref_set_key(xref, "NM", pdf_string(spec["name"]))
    if "date" in spec:
        doc.xref_set_key(xref, "M", pdf_string(spec["date"]))
    if "creation_date" in spec:
        doc.xref_set_key(xref, "CreationDate", pdf_string(spec["creation_date"]))
    if "flags" in spec:
        doc.xref_set_key(xref, "F", str(spec["flags"]))


def write_callout_to_word(doc, annot, spec):
    """A callout from a word to the box: Rect grows to hold both, RD gives the box back."""
    page = annot.parent
    word = found_word(page, {"search": spec["callout_to"], "occurrence": spec.get("callout_occurrence", 0)})
    box = fitz.Rect(annot.rect)
    tip = fitz.Point(word.x1, word.y1)
    knee = fitz.Point(box.x0 - 20, (box.y0 + box.y1) / 2)
    end = fitz.Point(box.x0, knee.y)
    outer = fitz.Rect(min(tip.x, box.x0) - 4, min(tip.y, box.y0) - 4, box.x1 + 4, max(tip.y, box.y1) + 4)
    insets = [box.x0 - outer.x0, box.y0 - outer.y0, outer.x1 - box.x1, outer.y1 - box.y1]
    xref = annot.xref
    lower_left = fitz.Point(outer.x0, outer.y1) * page.transformation_matrix
    upper_right = fitz.Point(outer.x1, outer.y0) * page.transformation_matrix
    doc.xref_set_key(xref, "Rect", pdf_array([lower_left.x, lower_left.y, upper_right.x, upper_right.y]))
    doc.xref_set_key(xref, "RD", pdf_array(insets))
    points = [format_number(c) for p in (tip, knee, end) for c in pdf_point(annot, p)]
    doc.xref_set_key(xref, "CL", "[" + " ".join(points) + "]")
    doc.xref_set_key(xref, "IT", "/FreeTextCallout")
    if "line_start" in spec:
        doc.xref_set_key(xref, "LE", "/" + spec["line_start"])


def pdf_point(annot, point):
    """A PyMuPDF page point in the file's own (y upwards) coordinates."""
    page = annot.parent
    p = fitz.Point(point) * page.transformation_matrix
    return [p.x, p.y]


def popup_xref(doc, xref):
    kind, value = doc.xref_get_key(xref, "Popup")
    if kind != "xref":
        raise CommentError("comment has no popup to refer to")
    return value


def write_links(doc, xrefs, specs):
    """IRT and raw keys, written once every comment exists so they can refer to each other."""
    for xref, spec in zip(xrefs, specs):
        if "in_reply_to" in spec:
            doc.xref_set_key(xref, "IRT", "%d 0 R" % xrefs[spec["in_reply_to"]])
        for key, value in spec.get("raw", {}).items():
            for i, other in enumerate(xrefs):
                value = value.replace("{ref:%d}" % i, "%d 0 R" % other)
                if "{popup:%d}" % i in value:
                    value = value.replace("{popup:%d}" % i, popup_xref(doc, other))
            doc.xref_set_key(xref, key, value)


def annotate(doc, specs):
    """Create every comment.

    Returns the pages and annotations, which must stay referenced until the
    document is saved: PyMuPDF 1.21 loses annotations whose page or annotation
    object Python has collected.
    """
    pages = [doc[i] for i in range(doc.page_count)]
    annots = []
    for spec in specs:
        page = pages[spec.get("page", 0)]
        annot = create_annotation(page, spec)
        annots.append(annot)
        apply_styles(annot, spec)
        add_popup(annot, page, spec)
        write_keys(doc, annot, spec)
    write_links(doc, [a.xref for a in annots], specs)
    return pages, annots


def main(argv):
    if len(argv) != 4:
        sys.stderr.write("usage: annotate_pdf.py IN.pdf COMMENTS.json OUT.pdf\n")
        return 2
    with open(argv[2], encoding="utf-8") as f:
        specs = json.load(f)
    doc = fitz.open(argv[1])
    try:
        keep_alive = annotate(doc, specs)
        doc.save(argv[3], garbage=0, deflate=True)
        del keep_alive
    except CommentError as e:
        sys.stderr.write("annotate_pdf.py: %s\n" % e)
        return 1
    finally:
        doc.close()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
