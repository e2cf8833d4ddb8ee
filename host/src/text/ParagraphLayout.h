// ParagraphLayout: breaks shaped paragraphs into lines and places them in a sequence of parcels.
// Lines break after spaces and hyphens (trailing spaces hang past the edge), at forced breaks,
// and inside a word only when no break fits; a parcel too low for one line is skipped.
#pragma once

#include <vector>

#include "FlowPosition.h"
#include "ShapedParagraph.h"
#include "host/text/Parcel.h"
#include "host/text/WaxLine.h"

class ParagraphLayout {
public:
    ParagraphLayout(const std::vector<Parcel>& parcels, PMReal ascent, PMReal leading)
        : fParcels(parcels), fAscent(ascent), fLeading(leading) {}

    // Appends the lines of a paragraph starting at *flow and moves *flow past them. changes are
    // the offsets inside the paragraph where character attributes change (runs split there).
    // Answers false when the parcels ran out, with *oversetAt the first index left unplaced.
    bool Layout(const ShapedParagraph& shaped, TextIndex start, const std::vector<int32>& changes,
                FlowPosition* flow, std::vector<WaxLine>* lines, TextIndex* oversetAt) const;

private:
    // Moves flow to the first place with room for a line; false when there is none.
    bool FindRoom(FlowPosition* flow) const;
    // The cluster after the last one of a line that starts at cluster from.
    size_t BreakLine(const std::vector<ShapedCluster>& clusters, size_t from, PMReal width) const;
    WaxLine MakeLine(const ShapedParagraph& shaped, TextIndex start, size_t from, size_t end,
                     const std::vector<int32>& changes, const FlowPosition& flow) const;

    const std::vector<Parcel>& fParcels;
    PMReal fAscent;
    PMReal fLeading;
};
