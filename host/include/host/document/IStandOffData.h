// IStandOffData: how a page item pushes text aside (text wrap).
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IStandOffData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISTANDOFFDATA };
    enum StandOffMode { kNone = 0, kBoundingBox = 1, kAutoContour = 2, kManualContour = 3, kBandJump = 4 };
    virtual int32 GetMode() const = 0;
    virtual void SetMode(int32 mode) = 0;
};
