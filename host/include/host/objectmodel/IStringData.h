// IStringData: a data interface holding one string.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class IStringData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISTRINGDATA };
    virtual void Set(const PMString& value) = 0;
    virtual PMString GetString() const = 0;
};
