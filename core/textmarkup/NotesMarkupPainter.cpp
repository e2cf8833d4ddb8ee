#include "NotesMarkupPainter.h"

#include "host/graphics/IGraphicsPort.h"

void NotesMarkupPainter::Rectangle(PMReal top, PMReal bottom) const {
    // The port consumes the path on fill, so the outline is traced again for the stroke.
    for (int pass = 0; pass < 2; ++pass) {
        fPort->moveto(fRun.x, top);
        fPort->lineto(fRun.x + fRun.width, top);
        fPort->lineto(fRun.x + fRun.width, bottom);
        fPort->lineto(fRun.x, bottom);
        fPort->lineto(fRun.x, top);
        if (pass == 0)
            fPort->fill();
        else
            fPort->stroke();
    }
}

void NotesMarkupPainter::Band() const {
    Rectangle(fRun.top + 2, fRun.top + 2 + (fRun.height - 4));
}

void NotesMarkupPainter::Emphasis() const {
    Rectangle(fRun.top, fRun.Bottom());
}

void NotesMarkupPainter::Line(PMReal fractionOfHeight) const {
    const PMReal y = fRun.top + fRun.height * fractionOfHeight;
    fPort->moveto(fRun.x, y);
    fPort->lineto(fRun.x + fRun.width, y);
    fPort->stroke();
}

void NotesMarkupPainter::Zigzag() const {
    const PMReal base = fRun.top + fRun.height * kUnderlineHeight;
    fPort->moveto(fRun.x, base - 2);
    const int32 points = static_cast<int32>(fRun.width * 0.5);
    for (int32 i = 0; i < points; ++i)
        fPort->lineto(fRun.x + 2 * i, i % 2 == 0 ? base - 1 : base + 1);
    fPort->stroke();
}

void NotesMarkupPainter::Caret(PMReal x) const {
    const PMReal bottom = fRun.Bottom();
    const PMReal q = fRun.top * 0.5 * 0.5; // a quarter of the line top: negative
    const PMReal apex = fRun.top + 0.5 * fRun.height;
    const PMReal shoulder = fRun.top + 0.75 * fRun.height;
    fPort->moveto(x - q, bottom);
    fPort->curveto(x, bottom, x, shoulder, x, apex);
    fPort->curveto(x, shoulder, x, bottom, x + q, bottom);
    fPort->closepath();
    fPort->fill();
}
