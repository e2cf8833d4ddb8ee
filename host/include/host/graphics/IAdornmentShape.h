// IAdornmentShape: something drawn with a page item without being part of it (selection frames).
// The adornment's class is attached to the item through IPageItemAdornmentList.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class GraphicsData;

class IAdornmentShape : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IADORNMENTSHAPE };
    enum AdornmentDrawOrder { kBeforeShape = 0x2, kAfterShape = 0x100 };

    virtual int32 GetDrawOrderBits() const = 0;
    // Draws in the item's inner coordinates.
    virtual void DrawAdornment(IPMUnknown* pageItem, GraphicsData* graphicsData, int32 drawOrder,
                               int32 flags) = 0;
    // What the adornment paints, in pasteboard coordinates.
    virtual PMRect GetPaintedBBox(IPMUnknown* pageItem) const = 0;
    virtual void Inval(IPMUnknown* pageItem) = 0;
};
