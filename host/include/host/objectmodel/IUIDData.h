// IUIDData: a data interface holding one object reference.
#pragma once

#include "host/database/UIDRef.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IUIDData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IUIDDATA };
    virtual void Set(const UIDRef& ref) = 0;
    // Keeps the database the object lives in (or the one given before) and sets the UID.
    virtual void Set(UID uid) = 0;
    virtual UID GetUID() const = 0;
    virtual UIDRef GetRef() const = 0;
    virtual IDataBase* GetItemDataBase() const = 0;
};
