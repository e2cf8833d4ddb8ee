// IK2ServiceProvider: tells the host which services (for example document signals) a class serves.
#pragma once

#include <vector>

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class IK2ServiceProvider : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IK2SERVICEPROVIDER };
    virtual void GetName(PMString* name) = 0;
    virtual ServiceID GetServiceID() = 0;
    virtual bool16 IsDefaultServiceProvider() = 0;
    virtual int32 GetInstantiationPolicy() = 0;
    virtual bool16 HasMultipleIDs() const = 0;
    virtual void GetServiceIDs(std::vector<ServiceID>& serviceIDs) = 0;
};
