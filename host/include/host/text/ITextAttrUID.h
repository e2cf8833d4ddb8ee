// ITextAttrUID: the value of a UID-valued character attribute (for example the object a marked
// run of text belongs to). Every class derived from kTextAttrBoss carries it.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class ITextAttrUID : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTATTRUID };
    virtual void Set(UID value) = 0;
    virtual UID Get() const = 0;
};
