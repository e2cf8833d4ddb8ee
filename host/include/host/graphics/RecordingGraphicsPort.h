// RecordingGraphicsPort: a port that draws nothing and keeps every call with its arguments,
// so tests can read back what a shape drew.
#pragma once

#include <string>
#include <vector>

#include "host/graphics/IGraphicsPort.h"

class RecordingGraphicsPort final : public IGraphicsPort {
public:
    struct Operation {
        std::string name; // the call's name, "moveto", "setrgbcolor", ...
        std::vector<PMReal> args;
        std::u16string text; // showglyphs: the text the glyphs stand for
    };

    void gsave() override { Record("gsave"); }
    void grestore() override { Record("grestore"); }
    void concat(const PMMatrix& m) override {
        Record("concat", {m.A(), m.B(), m.C(), m.D(), m.Tx(), m.Ty()});
    }
    void newpath() override { Record("newpath"); }
    void moveto(PMReal x, PMReal y) override { Record("moveto", {x, y}); }
    void lineto(PMReal x, PMReal y) override { Record("lineto", {x, y}); }
    void curveto(PMReal x1, PMReal y1, PMReal x2, PMReal y2, PMReal x3, PMReal y3) override {
        Record("curveto", {x1, y1, x2, y2, x3, y3});
    }
    void closepath() override { Record("closepath"); }
    void rectpath(const PMRect& r) override {
        Record("rectpath", {r.Left(), r.Top(), r.Right(), r.Bottom()});
    }
    void setrgbcolor(PMReal r, PMReal g, PMReal b) override { Record("setrgbcolor", {r, g, b}); }
    void setlinewidth(PMReal w) override { Record("setlinewidth", {w}); }
    void setdash(const std::vector<PMReal>& lengths, PMReal offset) override;
    void setlinejoin(int32 join) override { Record("setlinejoin", {static_cast<PMReal>(join)}); }
    void setlinecap(int32 cap) override { Record("setlinecap", {static_cast<PMReal>(cap)}); }
    void fill() override { Record("fill"); }
    void eofill() override { Record("eofill"); }
    void stroke() override { Record("stroke"); }
    void clip() override { Record("clip"); }
    // Recorded as the font size, then glyph ID, x and y of every glyph.
    void showglyphs(const GlyphRun& run) override;

    const std::vector<Operation>& GetOperations() const { return fOperations; }
    // The operations with that name, in call order.
    std::vector<Operation> Find(const std::string& name) const;
    // The call names only, in order.
    std::vector<std::string> GetNames() const;
    void Clear() { fOperations.clear(); }

private:
    void Record(const char* name, std::vector<PMReal> args = {}) {
        fOperations.push_back({name, std::move(args), {}});
    }
    std::vector<Operation> fOperations;
};
