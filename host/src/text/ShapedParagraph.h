// ShapedParagraph: the glyphs of one paragraph grouped into clusters (characters), with offsets
// relative to the paragraph's start, so a paragraph that moves keeps its shaping.
#pragma once

#include <vector>

#include "host/text/TextTypes.h"
#include "host/util/Geometry.h"

struct ShapedCluster {
    int32 offset = 0;     // of its first code unit from the paragraph's start
    int32 units = 0;      // code units of the character
    int32 firstGlyph = 0; // into the paragraph's glyphs
    int16 glyphCount = 0; // 0 for returns, line feeds and other control characters
    UTF16TextChar firstUnit = 0;
    PMReal width = 0.0;
};

struct ShapedParagraph {
    std::vector<uint32> glyphs;
    std::vector<PMReal> advances; // in points, unrounded
    std::vector<ShapedCluster> clusters;
};
