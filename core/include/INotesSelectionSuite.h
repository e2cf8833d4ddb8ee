// INotesSelectionSuite: what a layout selection (page items) holds of annotations. Asked of the
// host's selection manager; the abstract suite answers for every concrete selection there is.
#pragma once

#include "NotesID.h"
#include "host/database/UIDList.h"
#include "host/objectmodel/IPMUnknown.h"

class INotesSelectionSuite : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESSELECTIONSUITE };
    // True when a selected page item is an annotation, or a part of a free-text annotation.
    virtual bool16 HasAnnotations() = 0;
    // The annotations behind the selected page items in selection order, each once: a selected
    // popup stands for its annotation, a part of a free-text annotation for that annotation.
    virtual ErrorCode GetAnnotations(UIDList& annotations) = 0;
};
