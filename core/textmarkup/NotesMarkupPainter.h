// NotesMarkupPainter: the shapes text markups are drawn with, for one composed run: x and width
// of the run, and the line's top (relative to the baseline, so negative) and height. The band and
// the emphasis are filled and outlined; lines, the zigzag and the caret cusp use a 1 pt pen.
#pragma once

#include "host/util/Geometry.h"

class IGraphicsPort;

class NotesMarkupPainter {
public:
    struct Run {
        PMReal x = 0.0;
        PMReal width = 0.0;
        PMReal top = 0.0;
        PMReal height = 0.0;
        PMReal Bottom() const { return top + height; }
    };

    NotesMarkupPainter(IGraphicsPort* port, const Run& run) : fPort(port), fRun(run) {}

    // A band 2 pt inside the line's top and bottom.
    void Band() const;
    // A rectangle over the whole line height.
    void Emphasis() const;
    // A straight line across the run at a fraction of the line height from its top.
    void Line(PMReal fractionOfHeight) const;
    // A zigzag of period 4 pt and amplitude 1 pt under the run.
    void Zigzag() const;
    // A filled cusp standing on the line's bottom at x, rising to mid-height.
    void Caret(PMReal x) const;

    // Heights of the underline and the strike line as fractions of the line height.
    static constexpr PMReal kUnderlineHeight = 6.0 / 7.0;
    static constexpr PMReal kStrikeHeight = 3.0 / 5.0;

private:
    void Rectangle(PMReal top, PMReal bottom) const;

    IGraphicsPort* fPort;
    Run fRun;
};
