#include "GlyphRunCollector.h"

void GlyphRunCollector::grestore() {
    if (fSaved.empty())
        return;
    fMatrix = fSaved.back();
    fSaved.pop_back();
}

void GlyphRunCollector::concat(const PMMatrix& matrix) {
    // The new matrix maps into the coordinates the current one maps from.
    PMMatrix combined = matrix;
    combined.Concat(fMatrix);
    fMatrix = combined;
}

void GlyphRunCollector::Clear() {
    fMatrix = PMMatrix();
    fSaved.clear();
    fRuns.clear();
}
