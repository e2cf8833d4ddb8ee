// ISpreadList: the document's spreads in page order.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class ISpreadList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISPREADLIST };
    virtual int32 GetSpreadCount() const = 0;
    virtual UID GetNthSpreadUID(int32 index) const = 0;
    // Index of a spread, or -1.
    virtual int32 GetSpreadIndex(UID spread) const = 0;
    // Inserts a spread at position (-1: at the end).
    virtual void InsertSpread(UID spread, int32 position = -1) = 0;
    virtual void RemoveSpread(UID spread) = 0;
};
