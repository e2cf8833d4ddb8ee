// IGroupCmdData: where the group command puts the new group (default: the first item's parent).
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IGroupCmdData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IGROUPCMDDATA };
    virtual void SetTargetParent(UID parent) = 0;
    virtual UID GetTargetParent() const = 0;
};
