// ShapedParagraph: the glyphs of one paragraph grouped into clusters (characters), with offsets
// relative to the paragraph's start, so a paragraph that moves keeps its shaping. Composed runs
// show slices of it rather than copies: a book's shaping is most of its composition's memory.
#pragma once

#include <vector>

#include "host/text/TextTypes.h"
#include "host/util/Geometry.h"

struct ShapedCluster {
    int32 offset = 0;     // of its first code unit from the paragraph's start
    int32 firstGlyph = 0; // into the paragraph's glyphs
};

struct ShapedParagraph {
    // Only glyphs that show: returns, line feeds and other control characters have none.
    std::vector<uint16> glyphs;
    // Advances in font units, exact as shaped; points are advance units times pointsPerUnit.
    std::vector<int32> advanceUnits;
    PMReal pointsPerUnit = 0.0;
    // One per cluster, then one closing entry at the paragraph's length and glyph count, so that
    // every cluster's units and glyphs end where the next begins.
    std::vector<ShapedCluster> clusters;

    int32 CountClusters() const { return clusters.empty() ? 0 : static_cast<int32>(clusters.size()) - 1; }
    int32 CountGlyphs() const { return static_cast<int32>(glyphs.size()); }
    const ShapedCluster& Cluster(int32 c) const { return clusters[static_cast<size_t>(c)]; }
    int32 Units(int32 c) const { return Cluster(c + 1).offset - Cluster(c).offset; }
    int32 GlyphCount(int32 c) const { return Cluster(c + 1).firstGlyph - Cluster(c).firstGlyph; }
    PMReal Advance(int32 glyph) const { return advanceUnits[static_cast<size_t>(glyph)] * pointsPerUnit; }
    // The sum of the cluster's advances, in points.
    PMReal Width(int32 c) const {
        PMReal width = 0.0;
        for (int32 g = Cluster(c).firstGlyph; g < Cluster(c + 1).firstGlyph; ++g)
            width += Advance(g);
        return width;
    }
};
