// ITransformCmdData: the matrix the transform command applies, in pasteboard coordinates,
// either around each item's own centre or around the pasteboard origin.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class ITransformCmdData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITRANSFORMCMDDATA };
    enum Origin { kAroundItemCenter = 0, kAroundPasteboardOrigin = 1 };
    virtual void SetTransformData(const PMMatrix& matrix, int32 origin = kAroundItemCenter) = 0;
    virtual PMMatrix GetTransformMatrix() const = 0;
    virtual int32 GetOrigin() const = 0;
};
