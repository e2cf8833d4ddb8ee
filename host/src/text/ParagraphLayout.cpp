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
} // namespace

bool ParagraphLayout::FindRoom(FlowPosition* flow) const {
    for (; flow->parcel < static_cast<int32>(fParcels.size()); ++flow->parcel, flow->slot = 0)
        if ((flow->slot + 1) * fLeading <=
            fParcels[static_cast<size_t>(flow->parcel)].bounds.Height() + kFitTolerance)
            return true;
    return false;
}

size_t ParagraphLayout::BreakLine(const std::vector<ShapedCluster>& clusters, size_t from,
                                  PMReal width) const {
    PMReal x = 0.0;
    size_t lastBreak = from;
    for (size_t c = from; c < clusters.size(); ++c) {
        const ShapedCluster& cluster = clusters[c];
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
                                  const std::vector<int32>& changes, const FlowPosition& flow) const {
    const PMRect& bounds = fParcels[static_cast<size_t>(flow.parcel)].bounds;
    const std::vector<ShapedCluster>& clusters = shaped.clusters;
    const int32 lineStart = clusters[from].offset;
    const int32 lineEnd = clusters[end - 1].offset + clusters[end - 1].units;
    WaxLine line(RangeData(start + lineStart, start + lineEnd), flow.parcel,
                 bounds.Top() + flow.slot * fLeading, fAscent, fLeading);
    auto change = std::upper_bound(changes.begin(), changes.end(), lineStart);
    WaxRun run(start + lineStart, bounds.Left());
    PMReal x = bounds.Left();
    TextIndex visibleEnd = start + lineStart;
    for (size_t c = from; c < end; ++c) {
        const ShapedCluster& cluster = clusters[c];
        if (change != changes.end() && cluster.offset >= *change) {
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
    line.AddRun(std::move(run));
    line.SetVisibleEnd(visibleEnd);
    return line;
}

bool ParagraphLayout::Layout(const ShapedParagraph& shaped, TextIndex start,
                             const std::vector<int32>& changes, FlowPosition* flow,
                             std::vector<WaxLine>* lines, TextIndex* oversetAt) const {
    for (size_t from = 0; from < shaped.clusters.size();) {
        if (!FindRoom(flow)) {
            *oversetAt = start + shaped.clusters[from].offset;
            return false;
        }
        const size_t end =
            BreakLine(shaped.clusters, from, fParcels[static_cast<size_t>(flow->parcel)].bounds.Width());
        lines->push_back(MakeLine(shaped, start, from, end, changes, *flow));
        ++flow->slot;
        from = end;
    }
    return true;
}
