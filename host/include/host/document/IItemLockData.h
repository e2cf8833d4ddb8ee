// IItemLockData: the two locks of a page item (its position and its attributes).
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IItemLockData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IITEMLOCKDATA };
    virtual bool16 GetInsertLock() const = 0;
    virtual void SetInsertLock(bool16 locked) = 0;
    virtual bool16 GetAttributeLock() const = 0;
    virtual void SetAttributeLock(bool16 locked) = 0;
};
