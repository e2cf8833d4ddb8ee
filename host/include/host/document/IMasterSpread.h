// IMasterSpread: the name of a master spread ("A-Master").
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class IMasterSpread : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IMASTERSPREAD };
    virtual PMString GetName() const = 0;
    virtual void SetName(const PMString& name) = 0;
};
