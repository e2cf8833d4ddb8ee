// ISpreadLayer: one spread's part of a document layer (content or guide), parent of page items.
// The pages layer of a spread belongs to no document layer.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class ISpreadLayer : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ISPREADLAYER };
    virtual UID GetDocLayerUID() const = 0;
    virtual void SetDocLayerUID(UID documentLayer) = 0;
    virtual bool16 IsGuideLayer() const = 0;
    virtual void SetGuideLayer(bool16 guide) = 0;
    virtual bool16 IsPagesLayer() const = 0;
};
