// IGraphicFrameData: what a spline item holds as its content (derived from its children).
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IGraphicFrameData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IGRAPHICFRAMEDATA };
    // Whether the item is a text frame (its content is a multi-column item).
    virtual bool16 IsTextFrame() const = 0;
    // The multi-column item of a text frame, or kInvalidUID.
    virtual UID GetTextContentUID() const = 0;
};
