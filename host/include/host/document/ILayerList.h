// ILayerList: the document layers, first to last; a later layer is drawn in front of an earlier one.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class IDocumentLayer;

class ILayerList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ILAYERLIST };
    virtual int32 GetCount() const = 0;
    virtual UID GetNthLayerUID(int32 index) const = 0;
    virtual IDocumentLayer* QueryLayer(int32 index) const = 0;
    // Index of a layer, or -1.
    virtual int32 GetLayerIndex(UID layer) const = 0;
    // The first layer of that name, or kInvalidUID.
    virtual UID FindByName(const PMString& name) const = 0;
    // Inserts a document layer at position (-1: after all layers).
    virtual void AddLayer(UID layer, int32 position = -1) = 0;
    virtual void RemoveLayer(UID layer) = 0;
};
