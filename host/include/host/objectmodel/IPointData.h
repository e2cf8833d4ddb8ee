// IPointData: a data interface holding one point, as commands carry a click position (in
// pasteboard coordinates unless the command says otherwise).
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class IPointData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IPOINTDATA };
    virtual void Set(const PMPoint& point) = 0;
    virtual PMPoint GetPoint() const = 0;
};
