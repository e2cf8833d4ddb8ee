// IMasterSpreadList: the document's master spreads in list order.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class IMasterSpreadList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IMASTERSPREADLIST };
    virtual int32 GetMasterSpreadCount() const = 0;
    virtual UID GetNthMasterSpreadUID(int32 index) const = 0;
    virtual int32 GetMasterSpreadIndex(UID masterSpread) const = 0;
    // The master spread of that name, or kInvalidUID.
    virtual UID FindMasterSpread(const PMString& name) const = 0;
    virtual void InsertMasterSpread(UID masterSpread, int32 position = -1) = 0;
    virtual void RemoveMasterSpread(UID masterSpread) = 0;
};
