// IPMUnknown: the root of every interface. All interfaces of one object share its reference count.
#pragma once

#include "host/objectmodel/ObjectIDs.h"

class IPMUnknown {
public:
    // The interface iid of the same object with one more reference, or nullptr when it has none.
    virtual IPMUnknown* QueryInterface(PMIID iid) const = 0;
    virtual void AddRef() const = 0;
    virtual void Release() const = 0;

protected:
    virtual ~IPMUnknown() = default;
};
