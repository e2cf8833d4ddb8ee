// IBoolData: a data interface holding one truth value.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IBoolData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IBOOLDATA };
    virtual void Set(bool16 value) = 0;
    virtual bool16 GetBool() const = 0;
};
