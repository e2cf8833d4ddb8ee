// IActiveLayer: the layer new items go to in the layout view. View state, not stored: a layer
// that no longer exists gives way to the first layer of the list.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IActiveLayer : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IACTIVELAYER };
    virtual UID GetActiveLayerUID() const = 0;
    // Answers kFailure for a UID that is not a layer of the document.
    virtual ErrorCode SetActiveLayerUID(UID layer) = 0;
};
