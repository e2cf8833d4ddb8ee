// WaxRun: composed glyphs of one line that share their character attributes: where the run
// starts (x in the parcel's inner coordinates), its glyphs with their unrounded advances, and the
// text it shows, cluster by cluster (a cluster is one character: one code unit, or a surrogate
// pair; paragraph returns and other control characters are clusters without glyphs). A run shows
// a slice of its paragraph's shaping, which the composer keeps and shares between its runs.
#pragma once

#include <memory>
#include <vector>

#include "host/text/RangeData.h"
#include "host/util/Geometry.h"

struct ShapedParagraph;

class WaxRun {
public:
    // An empty run starting at the paragraph's cluster firstCluster, whose text starts at
    // textStart and whose glyphs at x.
    WaxRun(std::shared_ptr<const ShapedParagraph> shaped, int32 firstCluster, TextIndex textStart, PMReal x);

    PMReal GetX() const { return fX; }
    PMReal GetWidth() const { return fWidth; }
    RangeData GetTextRange() const { return RangeData(fTextStart, fTextStart + fTextSpan); }
    // Glyph g of the run, from 0 to CountGlyphs(): its index in the font and its advance in points.
    int32 CountGlyphs() const;
    uint32 GetGlyphID(int32 g) const;
    PMReal GetAdvance(int32 g) const;
    // Every glyph's advance in order, made on each call.
    std::vector<PMReal> GetAdvances() const;
    int32 CountClusters() const { return fClusterCount; }
    // Cluster n: its offset from the run's text start, its code units, and its glyphs (the first
    // run glyph and how many; none for returns and other control characters).
    int32 GetClusterOffset(int32 n) const;
    int32 GetClusterUnits(int32 n) const;
    int32 GetClusterFirstGlyph(int32 n) const;
    int32 GetClusterGlyphCount(int32 n) const;
    // The sum of cluster n's advances, in points.
    PMReal GetClusterWidth(int32 n) const;
    // The real-valued text position at x inside the run: the index of the character under x plus
    // the fraction of its width left of x. For a pair the fraction is spread so that rounding
    // never lands between its two units.
    PMReal TextPositionAt(PMReal x) const;

    // Composer use: takes in the paragraph's next cluster.
    void AddCluster();
    void ShiftText(int32 delta) { fTextStart += delta; }

private:
    int32 FirstGlyph() const;

    std::shared_ptr<const ShapedParagraph> fShaped;
    int32 fFirstCluster;
    int32 fClusterCount = 0;
    TextIndex fTextStart;
    int32 fTextSpan = 0;
    PMReal fX;
    PMReal fWidth = 0.0;
};
