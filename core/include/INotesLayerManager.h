// INotesLayerManager: the document's annotation layer, made on demand, found through the
// document's layer reference, and deleted with everything on it.
#pragma once

#include "NotesID.h"
#include "host/database/UID.h"
#include "host/objectmodel/IPMUnknown.h"

class INotesLayerManager : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESLAYERMANAGER };
    // The annotation layer; created (with spread layers on every spread) when there is none.
    virtual UID GetNotesLayerUID() = 0;
    // True while the layer reference holds a layer (it does not check that the layer still exists).
    virtual bool16 HasNotesLayer() = 0;
    // Deletes the layer and clears the reference; kSuccess when there was nothing to delete.
    virtual ErrorCode DeleteNotesLayer() = 0;
    // True when no document page lists an annotation.
    virtual bool16 IsFreeOfAnnotations() = 0;
    // How many annotations the document's pages list.
    virtual int32 CountAnnotations() = 0;
};
