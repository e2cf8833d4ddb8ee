// WaxRun: composed glyphs of one line that share their character attributes: where the run
// starts (x in the parcel's inner coordinates), its glyphs with their unrounded advances, and the
// text it shows, cluster by cluster (a cluster is one character: one code unit, or a surrogate
// pair; paragraph returns and other control characters are clusters without glyphs).
#pragma once

#include <vector>

#include "host/text/RangeData.h"
#include "host/util/Geometry.h"

class WaxRun {
public:
    WaxRun(TextIndex textStart, PMReal x) : fTextStart(textStart), fX(x) {}

    PMReal GetX() const { return fX; }
    PMReal GetWidth() const { return fWidth; }
    RangeData GetTextRange() const { return RangeData(fTextStart, fTextStart + fTextSpan); }
    const std::vector<uint32>& GetGlyphIDs() const { return fGlyphs; }
    const std::vector<PMReal>& GetAdvances() const { return fAdvances; }
    int32 CountClusters() const { return static_cast<int32>(fClusterOffsets.size()); }
    // Cluster n: its offset from the run's text start, its code units, and its glyphs (the first
    // index into GetGlyphIDs and how many; none for returns and other control characters).
    int32 GetClusterOffset(int32 n) const { return fClusterOffsets[static_cast<size_t>(n)]; }
    int32 GetClusterUnits(int32 n) const;
    int32 GetClusterFirstGlyph(int32 n) const { return fClusterFirstGlyph[static_cast<size_t>(n)]; }
    int32 GetClusterGlyphCount(int32 n) const;
    // The real-valued text position at x inside the run: the index of the character under x plus
    // the fraction of its width left of x. For a pair the fraction is spread so that rounding
    // never lands between its two units.
    PMReal TextPositionAt(PMReal x) const;

    // Composer use.
    void AddCluster(int32 units, const uint32* glyphs, const PMReal* advances, int32 glyphCount);
    void ShiftText(int32 delta) { fTextStart += delta; }
    // Gives back the room kept for more clusters, once the run is complete: a book's runs hold
    // every glyph of its text.
    void ShrinkToFit();

private:
    TextIndex fTextStart;
    int32 fTextSpan = 0;
    PMReal fX;
    PMReal fWidth = 0.0;
    std::vector<uint32> fGlyphs;
    std::vector<PMReal> fAdvances;
    std::vector<int32> fClusterOffsets;    // text offset of each cluster from the run's start
    std::vector<int32> fClusterFirstGlyph; // index of each cluster's first glyph
};
