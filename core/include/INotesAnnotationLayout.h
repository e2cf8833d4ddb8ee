// INotesAnnotationLayout: the page, the layer and the bounds of an annotation object.
#pragma once

#include "NotesID.h"
#include "host/database/UID.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class INotesAnnotationLayout : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESANNOTATIONLAYOUT };
    // The page the annotation belongs to (the nearest page when it lies on the pasteboard).
    virtual UID GetPageUID() = 0;
    // The annotation layer's spread layer on the annotation's spread.
    virtual UID GetLayerUID() = 0;
    // Bounds in pasteboard coordinates; empty when there are none.
    virtual PMRect GetBounds() = 0;
};
