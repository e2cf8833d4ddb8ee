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

size_t ParagraphLayout::BreakLine(const std::vector<ShapedCluster>& clusters, size_t from, PMReal width,
                                  const std::vector<LayoutBlock>& blocks) const {
    PMReal x = 0.0;
    size_t lastBreak = from;
    for (size_t c = from; c < clusters.size(); ++c) {
        const ShapedCluster& cluster = clusters[c];
        if (c > from && !blocks.empty() && BlockAt(blocks, cluster.offset))
            return c;
        if (EndsLine(cluster.firstUnit))
            return c + 1;
        if (IsBreakingSpace(cluster.firstUnit)) {
            x += cluster.width;
            lastBreak = c + 1;
            continue;
        }
        if (c > from && x + cluster.width > width + kFitTolerance)
            return lastBreak > from ? lastBreak : c;
        x += cluster.width;
        if (IsHyphen(cluster.firstUnit))
            lastBreak = c + 1;
    }
    return clusters.size();
}

WaxLine ParagraphLayout::MakeLine(const ShapedParagraph& shaped, TextIndex start, size_t from, size_t end,
                                  const std::vector<int32>& changes, const FlowPosition& flow, PMReal ascent,
                                  PMReal height) const {
    const PMRect& bounds = fParcels[static_cast<size_t>(flow.parcel)].bounds;
    const std::vector<ShapedCluster>& clusters = shaped.clusters;
    const int32 lineStart = clusters[from].offset;
    const int32 lineEnd = clusters[end - 1].offset + clusters[end - 1].units;
    WaxLine line(RangeData(start + lineStart, start + lineEnd), flow.parcel, bounds.Top() + Top(flow), ascent,
                 height);
    auto change = std::upper_bound(changes.begin(), changes.end(), lineStart);
    WaxRun run(start + lineStart, bounds.Left());
    PMReal x = bounds.Left();
    TextIndex visibleEnd = start + lineStart;
    for (size_t c = from; c < end; ++c) {
        const ShapedCluster& cluster = clusters[c];
        if (change != changes.end() && cluster.offset >= *change) {
            run.ShrinkToFit();
            line.AddRun(std::move(run));
            run = WaxRun(start + cluster.offset, x);
            while (change != changes.end() && *change <= cluster.offset)
                ++change;
        }
        const size_t glyph = static_cast<size_t>(cluster.firstGlyph);
        run.AddCluster(cluster.units, shaped.glyphs.data() + glyph, shaped.advances.data() + glyph,
                       cluster.glyphCount);
        x += cluster.width;
        if (cluster.glyphCount > 0)
            visibleEnd = start + cluster.offset + cluster.units;
    }
    run.ShrinkToFit();
    line.AddRun(std::move(run));
    line.SetVisibleEnd(visibleEnd);
    return line;
}

bool ParagraphLayout::Layout(const ShapedParagraph& shaped, TextIndex start,
                             const std::vector<int32>& changes, const std::vector<LayoutBlock>& blocks,
                             FlowPosition* flow, std::vector<WaxLine>* lines, TextIndex* oversetAt) const {
    const std::vector<ShapedCluster>& clusters = shaped.clusters;
    for (size_t from = 0; from < clusters.size();) {
        const LayoutBlock* block = blocks.empty() ? nullptr : BlockAt(blocks, clusters[from].offset);
        const PMReal height = block ? block->height : fLeading;
        if (!FindRoom(flow, height)) {
            *oversetAt = start + clusters[from].offset;
            return false;
        }
        if (block) {
            // The block's line: its character and the paragraph return right after it.
            const size_t end =
                from + 1 < clusters.size() && EndsLine(clusters[from + 1].firstUnit) ? from + 2 : from + 1;
            lines->push_back(MakeLine(shaped, start, from, end, changes, *flow, height, height));
            flow->blocks += height;
            from = end;
            continue;
        }
        const size_t end =
            BreakLine(clusters, from, fParcels[static_cast<size_t>(flow->parcel)].bounds.Width(), blocks);
        lines->push_back(MakeLine(shaped, start, from, end, changes, *flow, fAscent, fLeading));
        ++flow->slot;
        from = end;
    }
    return true;
}
