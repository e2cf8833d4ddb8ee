#include "WaxLineDrawer.h"

#include <algorithm>

#include "../document/Query.h"
#include "../text/DefaultFont.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IGraphicsPort.h"
#include "host/graphics/IShape.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IAttrReport.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/IDrawingStyle.h"
#include "host/text/ITextStrand.h"

void WaxLineDrawer::DrawLine(const WaxLine& line) const {
    const std::vector<Adornment> adornments = CollectAdornments(line);
    DrawAdornments(adornments, line, true);
    DrawGlyphs(line);
    DrawAdornments(adornments, line, false);
}

std::vector<ClassID> WaxLineDrawer::AdornmentClasses(const WaxRun& run) const {
    InterfacePtr<IAttributeStrand> strand = Query::Get<IAttributeStrand>(fStory);
    InterfacePtr<IDrawingStyle> style(CreateObject2<IDrawingStyle>(kDrawingStyleBoss));
    if (!strand || !style)
        return {};
    const AttributeBossList attributes = strand->GetAttributes(run.GetTextRange().Start());
    for (int32 n = 0; n < attributes.CountBosses(); ++n) {
        InterfacePtr<IAttrReport> report(
            ObjectModel::CheckedCast<IAttrReport>(attributes.QueryBossN(n, IID_IATTRREPORT)));
        if (report)
            report->TellComposition(report, style);
    }
    return style->GetTextAdornments();
}

std::vector<WaxLineDrawer::Adornment> WaxLineDrawer::CollectAdornments(const WaxLine& line) const {
    const bool printing = (fFlags & IShape::kPrinting) != 0;
    std::vector<Adornment> adornments;
    for (const WaxRun& run : line.GetRuns())
        for (ClassID adornmentClass : AdornmentClasses(run)) {
            InterfacePtr<ITextAdornment> adornment(CreateObject2<ITextAdornment>(adornmentClass));
            if (!adornment || (printing && (adornment->GetAdornmentFlags() & ITextAdornment::kScreenOnly)))
                continue;
            adornments.push_back(Adornment{adornment->GetDrawPriority(), &run, adornment});
        }
    // Stable, so equal priorities keep text order.
    std::stable_sort(adornments.begin(), adornments.end(),
                     [](const Adornment& a, const Adornment& b) { return a.priority < b.priority; });
    return adornments;
}

void WaxLineDrawer::DrawAdornments(const std::vector<Adornment>& adornments, const WaxLine& line,
                                   bool beneath) const {
    IGraphicsPort* port = fGraphicsData->GetGraphicsPort();
    for (const Adornment& entry : adornments) {
        if ((entry.priority < 0.0) != beneath)
            continue;
        port->gsave();
        port->concat(PMMatrix(1, 0, 0, 1, 0, line.GetBaseline()));
        entry.adornment->Draw(fGraphicsData, fStory, line, *entry.run, fFlags);
        port->grestore();
    }
}

void WaxLineDrawer::DrawGlyphs(const WaxLine& line) const {
    if (!DefaultFont::Instance().IsLoaded())
        return; // the fallback metrics have no glyphs to show
    IGraphicsPort* port = fGraphicsData->GetGraphicsPort();
    port->gsave();
    port->setrgbcolor(0, 0, 0);
    for (const WaxRun& run : line.GetRuns()) {
        const GlyphRun glyphs = MakeGlyphRun(run, line.GetBaseline());
        if (!glyphs.glyphs.empty())
            port->showglyphs(glyphs);
    }
    port->grestore();
}

// Clusters without glyphs (returns, line feeds) are left out, so the text stays one character
// per glyph wherever the composer shaped it so.
GlyphRun WaxLineDrawer::MakeGlyphRun(const WaxRun& run, PMReal baseline) const {
    InterfacePtr<ITextStrand> text = Query::Get<ITextStrand>(fStory);
    GlyphRun glyphs;
    glyphs.fontPath = DefaultFont::kPath;
    glyphs.fontSize = DefaultFont::kSize;
    PMReal x = run.GetX();
    for (int32 c = 0; c < run.CountClusters(); ++c) {
        const int32 count = run.GetClusterGlyphCount(c);
        if (count == 0)
            continue;
        for (int32 g = run.GetClusterFirstGlyph(c); g < run.GetClusterFirstGlyph(c) + count; ++g) {
            glyphs.glyphs.push_back(run.GetGlyphID(g));
            glyphs.positions.emplace_back(x, baseline);
            x += run.GetAdvance(g);
        }
        const TextIndex start = run.GetTextRange().Start() + run.GetClusterOffset(c);
        glyphs.text += text ? text->GetText(start, run.GetClusterUnits(c)).GetUTF16() : std::u16string();
        glyphs.clusters.push_back({run.GetClusterUnits(c), count});
    }
    return glyphs;
}
