// GlyphRunCollector: a graphics port that keeps only the glyph runs drawn into it, each with the
// matrix current when it was shown, and draws nothing else. What it keeps can be shown again
// on any port at the same places without asking the document anything.
#pragma once

#include <vector>

#include "host/graphics/IGraphicsPort.h"

class GlyphRunCollector final : public IGraphicsPort {
public:
    struct PlacedRun {
        PMMatrix matrix; // the run's coordinates to the port's own
        GlyphRun run;
    };

    void gsave() override { fSaved.push_back(fMatrix); }
    void grestore() override;
    void concat(const PMMatrix& matrix) override;
    void newpath() override {}
    void moveto(PMReal, PMReal) override {}
    void lineto(PMReal, PMReal) override {}
    void curveto(PMReal, PMReal, PMReal, PMReal, PMReal, PMReal) override {}
    void closepath() override {}
    void rectpath(const PMRect&) override {}
    void setrgbcolor(PMReal, PMReal, PMReal) override {}
    void setlinewidth(PMReal) override {}
    void setdash(const std::vector<PMReal>&, PMReal) override {}
    void setlinejoin(int32) override {}
    void setlinecap(int32) override {}
    void fill() override {}
    void eofill() override {}
    void stroke() override {}
    void clip() override {}
    void showglyphs(const GlyphRun& run) override { fRuns.push_back({fMatrix, run}); }

    const std::vector<PlacedRun>& GetRuns() const { return fRuns; }
    // Starts over with no runs and the identity matrix.
    void Clear();

private:
    PMMatrix fMatrix;
    std::vector<PMMatrix> fSaved;
    std::vector<PlacedRun> fRuns;
};
