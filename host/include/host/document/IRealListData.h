// IRealListData: a data interface holding a list of reals (colour components).
#pragma once

#include <vector>

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class IRealListData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IREALLISTDATA };
    virtual void Set(const std::vector<PMReal>& values) = 0;
    virtual const std::vector<PMReal>& GetList() const = 0;
};
