#include "ParagraphLayout.h"

#include <algorithm>

namespace {
constexpr PMReal kFitTolerance = 1e-6;

bool EndsLine(UTF16TextChar c) {
    return c == kTextChar_CR || c == kTextChar_LF || c == 0x2028 || c == 0x2029;
}

bool IsBreakingSpace(UTF16TextChar c) {
    return c == kTextChar_Space || c == kTextChar_Tab || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A && c != 0x2007) || c == 0x205F || c == 0x3000;
}

bool IsHyphen(UTF16TextChar c) {
    return c == kTextChar_HyphenMinus || c == 0x00AD || c == 0x2010 || c == 0x2013;
}

const LayoutBlock* BlockAt(const std::vector<LayoutBlock>& blocks, int32 offset) {
    const auto found = std::lower_bound(blocks.begin(), blocks.end(), offset,
                                        [](const LayoutBlock& b, int32 o) { return b.offset < o; });
    return found != blocks.end() && found->offset == offset ? &*found : nullptr;
}
} // namespace

UTF16TextChar ParagraphLayout::FirstUnit(TextIndex start, const ShapedCluster& cluster) const {
    return fText[static_cast<size_t>(start + cluster.offset)];
}

PMReal ParagraphLayout::Top(const FlowPosition& flow) const {
    return flow.slot * fLeading + flow.blocks;
}

bool ParagraphLayout::FindRoom(FlowPosition* flow, PMReal height) const {
    for (; flow->parcel < static_cast<int32>(fParcels.size());
         ++flow->parcel, flow->slot = 0, flow->blocks = 0)
        if (Top(*flow) + height <=
            fParcels[static_cast<size_t>(flow->parcel)].bounds.Height() + kFitTolerance)
            return true;
    return false;
}

int32 ParagraphLayout::BreakLine(const ShapedParagraph& shaped, TextIndex start, int32 from, PMReal width,
                                 const std::vector<LayoutBlock>& blocks) const {
    PMReal x = 0.0;
    int32 lastBreak = from;
    const int32 count = shaped.CountClusters();
    for (int32 c = from; c < count; ++c) {
        const ShapedCluster cluster = shaped.Cluster(c);
        const PMReal clusterWidth = shaped.Width(c);
        const UTF16TextChar first = FirstUnit(start, cluster);
        if (c > from && !blocks.empty() && BlockAt(blocks, cluster.offset))
            return c;
        if (EndsLine(first))
            return c + 1;
        if (IsBreakingSpace(first)) {
            x += clusterWidth;
            lastBreak = c + 1;
            continue;
        }
        if (c > from && x + clusterWidth > width + kFitTolerance)
            return lastBreak > from ? lastBreak : c;
        x += clusterWidth;
        if (IsHyphen(first))
            lastBreak = c + 1;
    }
    return count;
}

WaxLine ParagraphLayout::MakeLine(const std::shared_ptr<const ShapedParagraph>& shaped, TextIndex start,
                                  int32 from, int32 end, const std::vector<int32>& changes,
                                  const FlowPosition& flow, PMReal ascent, PMReal height) const {
    const PMRect& bounds = fParcels[static_cast<size_t>(flow.parcel)].bounds;
    const int32 lineStart = shaped->Cluster(from).offset;
    const int32 lineEnd = shaped->Cluster(end).offset;
    WaxLine line(RangeData(start + lineStart, start + lineEnd), flow.parcel, bounds.Top() + Top(flow), ascent,
                 height);
    auto change = std::upper_bound(changes.begin(), changes.end(), lineStart);
    WaxRun run(shaped, from, start + lineStart, bounds.Left());
    PMReal x = bounds.Left();
    TextIndex visibleEnd = start + lineStart;
    for (int32 c = from; c < end; ++c) {
        const ShapedCluster cluster = shaped->Cluster(c);
        if (change != changes.end() && cluster.offset >= *change) {
            line.AddRun(std::move(run));
            run = WaxRun(shaped, c, start + cluster.offset, x);
            while (change != changes.end() && *change <= cluster.offset)
                ++change;
        }
        run.AddCluster();
        x += shaped->Width(c);
        if (shaped->GlyphCount(c) > 0)
            visibleEnd = start + shaped->Cluster(c + 1).offset;
    }
    line.AddRun(std::move(run));
    line.SetVisibleEnd(visibleEnd);
    return line;
}

bool ParagraphLayout::Layout(const std::shared_ptr<const ShapedParagraph>& shaped, TextIndex start,
                             const std::vector<int32>& changes, const std::vector<LayoutBlock>& blocks,
                             FlowPosition* flow, std::vector<WaxLine>* lines, TextIndex* oversetAt) const {
    const int32 count = shaped->CountClusters();
    for (int32 from = 0; from < count;) {
        const int32 offset = shaped->Cluster(from).offset;
        const LayoutBlock* block = blocks.empty() ? nullptr : BlockAt(blocks, offset);
        const PMReal height = block ? block->height : fLeading;
        if (!FindRoom(flow, height)) {
            *oversetAt = start + offset;
            return false;
        }
        if (block) {
            // The block's line: its character and the paragraph return right after it.
            const int32 end = from + 1 < count && EndsLine(FirstUnit(start, shaped->Cluster(from + 1)))
                                  ? from + 2
                                  : from + 1;
            lines->push_back(MakeLine(shaped, start, from, end, changes, *flow, height, height));
            flow->blocks += height;
            from = end;
            continue;
        }
        const int32 end = BreakLine(*shaped, start, from,
                                    fParcels[static_cast<size_t>(flow->parcel)].bounds.Width(), blocks);
        lines->push_back(MakeLine(shaped, start, from, end, changes, *flow, fAscent, fLeading));
        ++flow->slot;
        from = end;
    }
    return true;
}
