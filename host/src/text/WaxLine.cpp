#include "host/text/WaxLine.h"

PMReal WaxLine::TextPositionAt(PMReal x) const {
    if (fRuns.empty() || x < fRuns.front().GetX())
        return fText.Start();
    for (const WaxRun& run : fRuns)
        if (x < run.GetX() + run.GetWidth())
            return run.TextPositionAt(x);
    return fVisibleEnd;
}

void WaxLine::ShiftText(int32 delta) {
    fText = RangeData(fText.Start() + delta, fText.End() + delta);
    fVisibleEnd += delta;
    for (WaxRun& run : fRuns)
        run.ShiftText(delta);
}
