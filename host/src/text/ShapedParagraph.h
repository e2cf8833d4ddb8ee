// ShapedParagraph: the glyphs of one paragraph grouped into clusters (characters), with offsets
// relative to the paragraph's start, so a paragraph that moves keeps its shaping. Composed runs
// show slices of it rather than copies: a book's shaping is most of its composition's memory.
#pragma once

#include <algorithm>
#include <limits>
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
    // Advances in font units, exact as shaped; points are advance units times pointsPerUnit. Any
    // sane font's advances fit 16 bits; a paragraph with one that does not keeps them all in
    // wideAdvanceUnits instead. Use AddAdvance and Advance.
    std::vector<int16> advanceUnits;
    std::vector<int32> wideAdvanceUnits;
    PMReal pointsPerUnit = 0.0;
    // One per cluster, then one closing entry at the paragraph's length and glyph count, so that
    // every cluster's units and glyphs end where the next begins. Empty once CloseClusters
    // finds the paragraph plain: cluster c is code unit c showing glyph c, and the clusters past the
    // last glyph show none (the closing return). Most text is plain, and its clusters would be a
    // third of the shaping.
    std::vector<ShapedCluster> clusters;
    int32 clusterCount = 0;

    int32 CountClusters() const { return clusterCount; }
    int32 CountGlyphs() const { return static_cast<int32>(glyphs.size()); }
    ShapedCluster Cluster(int32 c) const {
        if (clusters.empty())
            return ShapedCluster{c, std::min(c, CountGlyphs())};
        return clusters[static_cast<size_t>(c)];
    }
    int32 Units(int32 c) const { return Cluster(c + 1).offset - Cluster(c).offset; }
    int32 GlyphCount(int32 c) const { return Cluster(c + 1).firstGlyph - Cluster(c).firstGlyph; }
    PMReal Advance(int32 glyph) const {
        const size_t g = static_cast<size_t>(glyph);
        return (wideAdvanceUnits.empty() ? advanceUnits[g] : wideAdvanceUnits[g]) * pointsPerUnit;
    }
    void AddAdvance(int32 units) {
        const bool fits =
            units >= std::numeric_limits<int16>::min() && units <= std::numeric_limits<int16>::max();
        if (wideAdvanceUnits.empty() && fits) {
            advanceUnits.push_back(static_cast<int16>(units));
            return;
        }
        if (wideAdvanceUnits.empty()) {
            wideAdvanceUnits.assign(advanceUnits.begin(), advanceUnits.end());
            std::vector<int16>().swap(advanceUnits);
        }
        wideAdvanceUnits.push_back(units);
    }
    // The sum of the cluster's advances, in points.
    PMReal Width(int32 c) const {
        PMReal width = 0.0;
        for (int32 g = Cluster(c).firstGlyph; g < Cluster(c + 1).firstGlyph; ++g)
            width += Advance(g);
        return width;
    }

    // Ends the last cluster at the paragraph's length with the closing entry, counts the clusters,
    // and frees them if they are plain.
    void CloseClusters(int32 length) {
        clusters.push_back(ShapedCluster{length, CountGlyphs()});
        clusterCount = static_cast<int32>(clusters.size()) - 1;
        for (int32 c = 0; c <= clusterCount; ++c) {
            const ShapedCluster& cluster = clusters[static_cast<size_t>(c)];
            if (cluster.offset != c || cluster.firstGlyph != std::min(c, CountGlyphs()))
                return;
        }
        std::vector<ShapedCluster>().swap(clusters);
    }
};
