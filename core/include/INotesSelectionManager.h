// INotesSelectionManager (on the document): the annotations that count as selected. Setting them
// draws them with the selection emphasis and shows or hides popups by the popup display mode.
// Held in memory only; a new or opened document starts with none.
#pragma once

#include "NotesID.h"
#include "host/database/UIDList.h"
#include "host/objectmodel/IPMUnknown.h"

class INotesSelectionManager : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESSELECTIONMANAGER };
    // Makes the list the selected annotations; a list equal to the current one changes nothing.
    virtual void SetSelectedAnnotations(const UIDList& annotations) = 0;
    virtual void ClearSelectedAnnotations() = 0;
    // The selected annotations that still exist, in the order they were set.
    virtual UIDList GetSelectedAnnotations() = 0;
};
