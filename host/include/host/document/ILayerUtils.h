// ILayerUtils: the active layer of a document's layout view and the host's layer colours.
#pragma once

#include "host/database/UID.h"
#include "host/document/IDocumentLayer.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IDocument;

class ILayerUtils : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ILAYERUTILS };
    virtual UID GetActiveLayerUID(const IDocument* document) const = 0;
    // Processes the set-active-layer command.
    virtual ErrorCode SetActiveLayer(const IDocument* document, UID layer) const = 0;
    // The layer colour list: index 0 light blue, 1 red, 2 green, 3 blue, 4 yellow, ... (wraps around).
    virtual RGBColor GetLayerColor(int32 index) const = 0;
    virtual int32 CountLayerColors() const = 0;
};
