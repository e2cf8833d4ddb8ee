#include "host/text/WaxRun.h"

#include <algorithm>

void WaxRun::AddCluster(int32 units, const uint32* glyphs, const PMReal* advances, int32 glyphCount) {
    fClusterOffsets.push_back(fTextSpan);
    fClusterFirstGlyph.push_back(static_cast<int32>(fGlyphs.size()));
    fGlyphs.insert(fGlyphs.end(), glyphs, glyphs + glyphCount);
    fAdvances.insert(fAdvances.end(), advances, advances + glyphCount);
    for (int32 g = 0; g < glyphCount; ++g)
        fWidth += advances[g];
    fTextSpan += units;
}

void WaxRun::ShrinkToFit() {
    fGlyphs.shrink_to_fit();
    fAdvances.shrink_to_fit();
    fClusterOffsets.shrink_to_fit();
    fClusterFirstGlyph.shrink_to_fit();
}

PMReal WaxRun::TextPositionAt(PMReal x) const {
    PMReal left = fX;
    const size_t clusters = fClusterOffsets.size();
    for (size_t c = 0; c < clusters; ++c) {
        const size_t glyphEnd =
            c + 1 < clusters ? static_cast<size_t>(fClusterFirstGlyph[c + 1]) : fGlyphs.size();
        PMReal width = 0.0;
        for (size_t g = static_cast<size_t>(fClusterFirstGlyph[c]); g < glyphEnd; ++g)
            width += fAdvances[g];
        if (width > 0.0 && x < left + width) {
            const TextIndex start = fTextStart + fClusterOffsets[c];
            const int32 units = (c + 1 < clusters ? fClusterOffsets[c + 1] : fTextSpan) - fClusterOffsets[c];
            const PMReal fraction = std::max(0.0, (x - left) / width);
            return fraction < 0.5 ? start + fraction : start + units - (1.0 - fraction);
        }
        left += width;
    }
    return fTextStart + fTextSpan;
}

int32 WaxRun::GetClusterUnits(int32 n) const {
    const int32 end = n + 1 < CountClusters() ? GetClusterOffset(n + 1) : fTextSpan;
    return end - GetClusterOffset(n);
}

int32 WaxRun::GetClusterGlyphCount(int32 n) const {
    const int32 end =
        n + 1 < CountClusters() ? GetClusterFirstGlyph(n + 1) : static_cast<int32>(fGlyphs.size());
    return end - GetClusterFirstGlyph(n);
}
