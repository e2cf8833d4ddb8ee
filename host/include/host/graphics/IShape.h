// IShape: how a page item draws itself. Draw expects the port in the item's parent coordinates.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class GraphicsData;

class IShape : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISHAPE };
    // Draw flags. Printing and exporting set both kPrinting and kPreviewOnlyOff, so that what only
    // belongs on screen (annotations, adornments, handles) stays off paper.
    enum DrawFlags { kDrawNormal = 0, kPrinting = 0x200, kPreviewOnlyOff = 0x1000 };
    static constexpr int32 kDrawFlagsForOutput = kPrinting | kPreviewOnlyOff;

    virtual void Draw(GraphicsData* graphicsData, int32 flags) = 0;
};
