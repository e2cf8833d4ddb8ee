// IGraphicsPort: a PostScript-like drawing surface. Coordinates pass through the current matrix,
// which concat changes; gsave and grestore keep and restore the whole graphics state.
#pragma once

#include <vector>

#include "host/graphics/GlyphRun.h"
#include "host/util/BaseTypes.h"
#include "host/util/Geometry.h"

class IGraphicsPort {
public:
    virtual ~IGraphicsPort() = default;

    virtual void gsave() = 0;
    virtual void grestore() = 0;
    virtual void concat(const PMMatrix& matrix) = 0;

    virtual void newpath() = 0;
    virtual void moveto(PMReal x, PMReal y) = 0;
    virtual void lineto(PMReal x, PMReal y) = 0;
    virtual void curveto(PMReal x1, PMReal y1, PMReal x2, PMReal y2, PMReal x3, PMReal y3) = 0;
    virtual void closepath() = 0;
    virtual void rectpath(const PMRect& rect) = 0;

    virtual void setrgbcolor(PMReal red, PMReal green, PMReal blue) = 0;
    // Width 0 is the thinnest line the device can show.
    virtual void setlinewidth(PMReal width) = 0;
    // Dash lengths alternate on and off; an empty list draws solid.
    virtual void setdash(const std::vector<PMReal>& lengths, PMReal offset) = 0;
    virtual void setlinejoin(int32 join) = 0; // 0 miter, 1 round, 2 bevel
    virtual void setlinecap(int32 cap) = 0;   // 0 butt, 1 round, 2 square

    // fill, eofill and stroke consume the current path.
    virtual void fill() = 0;
    virtual void eofill() = 0;
    virtual void stroke() = 0;
    // Intersects the clip with the current path and consumes it.
    virtual void clip() = 0;

    // Fills the glyphs with the current colour; output that keeps text (PDF) keeps what they
    // stand for, so it can be searched and copied.
    virtual void showglyphs(const GlyphRun& run) = 0;
};
