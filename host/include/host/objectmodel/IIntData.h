// IIntData: a data interface holding one 32-bit integer.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IIntData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IINTDATA };
    virtual void Set(int32 value) = 0;
    virtual int32 GetInt() const = 0;
};
