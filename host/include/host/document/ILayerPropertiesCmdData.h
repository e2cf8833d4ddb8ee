// ILayerPropertiesCmdData: the layer the new-layer and set-layer-properties commands make or change.
#pragma once

#include "host/document/LayerProperties.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class ILayerPropertiesCmdData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ILAYERPROPERTIESCMDDATA };
    virtual void Set(const LayerProperties& properties) = 0;
    virtual const LayerProperties& Get() const = 0;
    // Where a new layer goes in the layer list (-1: after all layers).
    virtual void SetPosition(int32 position) = 0;
    virtual int32 GetPosition() const = 0;
};
