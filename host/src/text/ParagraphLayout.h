// ParagraphLayout: breaks shaped paragraphs into lines and places them in a sequence of parcels.
// Lines break after spaces and hyphens (trailing spaces hang past the edge), at forced breaks,
// and inside a word only when no break fits; a parcel too low for one line is skipped. A block
// (a table at its anchor character) is a line of its own, as high as the block, with the
// paragraph return that follows it; it goes to the first parcel with room for all of it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "FlowPosition.h"
#include "ShapedParagraph.h"
#include "host/text/Parcel.h"
#include "host/text/WaxLine.h"

// A block at a character of a paragraph: its offset from the paragraph's start and its size.
struct LayoutBlock {
    int32 offset = 0;
    PMReal width = 0.0;
    PMReal height = 0.0;
    bool operator==(const LayoutBlock& o) const = default;
};

class ParagraphLayout {
public:
    // text is the story's, which the paragraphs' starts index.
    ParagraphLayout(const std::u16string& text, const std::vector<Parcel>& parcels, PMReal ascent,
                    PMReal leading)
        : fText(text), fParcels(parcels), fAscent(ascent), fLeading(leading) {}

    // Appends the lines of a paragraph starting at *flow and moves *flow past them. changes are
    // the offsets inside the paragraph where character attributes change (runs split there).
    // blocks are the paragraph's blocks in text order. Answers false when the parcels ran out,
    // with *oversetAt the first index left unplaced.
    bool Layout(const std::shared_ptr<const ShapedParagraph>& shaped, TextIndex start,
                const std::vector<int32>& changes, const std::vector<LayoutBlock>& blocks, FlowPosition* flow,
                std::vector<WaxLine>* lines, TextIndex* oversetAt) const;

private:
    // Moves flow to the first place with room for something this high; false when there is none.
    bool FindRoom(FlowPosition* flow, PMReal height) const;
    // The cluster after the last one of a line that starts at cluster from (a line stops before
    // a block).
    int32 BreakLine(const ShapedParagraph& shaped, TextIndex start, int32 from, PMReal width,
                    const std::vector<LayoutBlock>& blocks) const;
    // The line of clusters [from, end); its runs show slices of the shared shaping.
    WaxLine MakeLine(const std::shared_ptr<const ShapedParagraph>& shaped, TextIndex start, int32 from,
                     int32 end, const std::vector<int32>& changes, const FlowPosition& flow, PMReal ascent,
                     PMReal height) const;
    PMReal Top(const FlowPosition& flow) const;
    // The first code unit of a cluster of the paragraph starting at start.
    UTF16TextChar FirstUnit(TextIndex start, const ShapedCluster& cluster) const;

    const std::u16string& fText;

    const std::vector<Parcel>& fParcels;
    PMReal fAscent;
    PMReal fLeading;
};
