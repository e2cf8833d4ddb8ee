// WaxLineDrawer: draws composed lines of one story in their parcel's coordinates: first the
// text adornments of negative priority, then the glyphs, then the other adornments, each group
// in rising priority. A run's adornments are those its attributes' reports attach.
#pragma once

#include <vector>

#include "host/database/UIDRef.h"
#include "host/graphics/GlyphRun.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/ITextAdornment.h"

class GraphicsData;

class WaxLineDrawer {
public:
    WaxLineDrawer(GraphicsData* graphicsData, const UIDRef& story, int32 flags)
        : fGraphicsData(graphicsData), fStory(story), fFlags(flags) {}
    void DrawLine(const WaxLine& line) const;

private:
    struct Adornment {
        PMReal priority = 0.0;
        const WaxRun* run = nullptr;
        InterfacePtr<ITextAdornment> adornment;
    };
    std::vector<Adornment> CollectAdornments(const WaxLine& line) const;
    std::vector<ClassID> AdornmentClasses(const WaxRun& run) const;
    void DrawAdornments(const std::vector<Adornment>& adornments, const WaxLine& line, bool beneath) const;
    void DrawGlyphs(const WaxLine& line) const;
    GlyphRun MakeGlyphRun(const WaxRun& run, PMReal baseline) const;

    GraphicsData* fGraphicsData;
    UIDRef fStory;
    int32 fFlags;
};
