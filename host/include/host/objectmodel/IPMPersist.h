// IPMPersist: present on every persistent object; gives its database and UID.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IDataBase;

class IPMPersist : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IPMPERSIST };
    virtual IDataBase* GetDataBase() const = 0;
    virtual UID GetUID() const = 0;
};
