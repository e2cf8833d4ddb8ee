// IPMUnknownData: holds a reference to another object, as the apply-attribute-overrides command
// takes its attribute list.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IPMUnknownData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IPMUNKNOWNDATA };
    // Keeps one reference to the object until replaced or released.
    virtual void SetPMUnknown(IPMUnknown* object) = 0;
    // The object without a new reference.
    virtual IPMUnknown* GetPMUnknown() const = 0;
};
