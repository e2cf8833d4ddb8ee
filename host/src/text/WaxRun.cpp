#include "host/text/WaxRun.h"

#include <algorithm>

#include "ShapedParagraph.h"

WaxRun::WaxRun(std::shared_ptr<const ShapedParagraph> shaped, int32 firstCluster, TextIndex textStart,
               PMReal x)
    : fShaped(std::move(shaped)), fFirstCluster(firstCluster), fTextStart(textStart), fX(x) {}

void WaxRun::AddCluster() {
    const int32 cluster = fFirstCluster + fClusterCount;
    const int32 end = fShaped->Cluster(cluster + 1).firstGlyph;
    for (int32 g = fShaped->Cluster(cluster).firstGlyph; g < end; ++g)
        fWidth += fShaped->Advance(g);
    fTextSpan += fShaped->Units(cluster);
    ++fClusterCount;
}

int32 WaxRun::FirstGlyph() const {
    return fShaped ? fShaped->Cluster(fFirstCluster).firstGlyph : 0;
}

int32 WaxRun::CountGlyphs() const {
    return fShaped ? fShaped->Cluster(fFirstCluster + fClusterCount).firstGlyph - FirstGlyph() : 0;
}

uint32 WaxRun::GetGlyphID(int32 g) const {
    return fShaped->glyphs[static_cast<size_t>(FirstGlyph() + g)];
}

PMReal WaxRun::GetAdvance(int32 g) const {
    return fShaped->Advance(FirstGlyph() + g);
}

std::vector<PMReal> WaxRun::GetAdvances() const {
    std::vector<PMReal> advances;
    for (int32 g = 0; g < CountGlyphs(); ++g)
        advances.push_back(GetAdvance(g));
    return advances;
}

int32 WaxRun::GetClusterOffset(int32 n) const {
    return fShaped->Cluster(fFirstCluster + n).offset - fShaped->Cluster(fFirstCluster).offset;
}

int32 WaxRun::GetClusterUnits(int32 n) const {
    return fShaped->Units(fFirstCluster + n);
}

int32 WaxRun::GetClusterFirstGlyph(int32 n) const {
    return fShaped->Cluster(fFirstCluster + n).firstGlyph - FirstGlyph();
}

int32 WaxRun::GetClusterGlyphCount(int32 n) const {
    return fShaped->GlyphCount(fFirstCluster + n);
}

PMReal WaxRun::GetClusterWidth(int32 n) const {
    return fShaped->Width(fFirstCluster + n);
}

PMReal WaxRun::TextPositionAt(PMReal x) const {
    PMReal left = fX;
    for (int32 c = 0; c < fClusterCount; ++c) {
        const PMReal width = GetClusterWidth(c);
        if (width > 0.0 && x < left + width) {
            const TextIndex start = fTextStart + GetClusterOffset(c);
            const PMReal fraction = std::max(0.0, (x - left) / width);
            return fraction < 0.5 ? start + fraction : start + GetClusterUnits(c) - (1.0 - fraction);
        }
        left += width;
    }
    return fTextStart + fTextSpan;
}
