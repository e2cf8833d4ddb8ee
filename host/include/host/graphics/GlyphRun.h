// GlyphRun: glyphs to show in one font, each at its own position, with the text they stand for:
// per cluster the code units and glyphs it covers, in order (a cluster of no glyphs is text that
// shows nothing, such as a paragraph return).
#pragma once

#include <string>
#include <vector>

#include "host/util/BaseTypes.h"
#include "host/util/Geometry.h"

struct GlyphRun {
    struct Cluster {
        int32 units = 0;
        int32 glyphs = 0;
    };
    std::string fontPath; // a font file FreeType can open
    PMReal fontSize = 12.0;
    std::vector<uint32> glyphs;
    std::vector<PMPoint> positions; // of each glyph's origin on the baseline
    std::u16string text;
    std::vector<Cluster> clusters;
};
