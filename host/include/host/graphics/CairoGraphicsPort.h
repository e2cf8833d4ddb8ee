// CairoGraphicsPort: IGraphicsPort on a cairo context the caller owns.
#pragma once

#include "host/graphics/IGraphicsPort.h"

typedef struct _cairo cairo_t;

class CairoGraphicsPort final : public IGraphicsPort {
public:
    explicit CairoGraphicsPort(cairo_t* context) : fContext(context) {}

    void gsave() override;
    void grestore() override;
    void concat(const PMMatrix& matrix) override;
    void newpath() override;
    void moveto(PMReal x, PMReal y) override;
    void lineto(PMReal x, PMReal y) override;
    void curveto(PMReal x1, PMReal y1, PMReal x2, PMReal y2, PMReal x3, PMReal y3) override;
    void closepath() override;
    void rectpath(const PMRect& rect) override;
    void setrgbcolor(PMReal red, PMReal green, PMReal blue) override;
    void setlinewidth(PMReal width) override;
    void setdash(const std::vector<PMReal>& lengths, PMReal offset) override;
    void setlinejoin(int32 join) override;
    void setlinecap(int32 cap) override;
    void fill() override;
    void eofill() override;
    void stroke() override;
    void clip() override;
    void showglyphs(const GlyphRun& run) override;

private:
    cairo_t* fContext;
};
