// ILayoutTarget (on a layout concrete-suite object): the page items a layout selection holds.
#pragma once

#include "host/database/UIDList.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class ILayoutTarget : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ILAYOUTTARGET };
    // The selected page items in selection order.
    virtual UIDList GetItemList() const = 0;
    // Host use: set by the selection manager.
    virtual void SetItemList(const UIDList& items) = 0;
};
