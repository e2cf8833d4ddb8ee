// IMasterPage: the master spread a page is based on, and the master page that stands behind it.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IMasterPage : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IMASTERPAGE };
    // kInvalidUID when the page has no master.
    virtual UID GetMasterSpreadUID() const = 0;
    virtual void SetMasterSpreadUID(UID masterSpread) = 0;
    // The page of the master spread at the page's position in its own spread (wrapping around).
    virtual UID GetMasterPageUID() const = 0;
};
