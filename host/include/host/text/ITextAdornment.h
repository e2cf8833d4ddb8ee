// ITextAdornment: something drawn with a run of text, attached by an attribute report. The host
// draws a line's adornments of negative priority beneath its glyphs, the others above them, in
// rising priority.
#pragma once

#include "host/database/UIDRef.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/WaxLine.h"

class GraphicsData;

class ITextAdornment : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTADORNMENT };
    // Bits of GetAdornmentFlags.
    enum { kScreenOnly = 0x1 }; // never printed or exported
    // The background base: fills that belong beneath the text take priorities below it.
    static constexpr PMReal kBackgroundPriority = -16384.0;

    virtual PMReal GetDrawPriority() const = 0;
    // Draws for one run. The port is in the run's coordinates: x as composed (run.GetX() is its
    // left edge), y = 0 on the baseline, the line's top at line.GetTopFromBaseline().
    virtual void Draw(GraphicsData* graphicsData, const UIDRef& story, const WaxLine& line, const WaxRun& run,
                      int32 drawFlags) = 0;
    // Told when the run's text changed; adornments that keep nothing do nothing.
    virtual void Invalidate(const UIDRef& story, RangeData range) = 0;
    virtual int32 GetAdornmentFlags() const = 0;
};
