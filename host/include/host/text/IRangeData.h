// IRangeData: a data interface holding one range of text indices (for example the text an object
// was made for). The persistent form stores start, end and lean with its object.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"

class IRangeData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IRANGEDATA };
    virtual void Set(const RangeData& range) = 0;
    virtual RangeData Get() const = 0;
};
