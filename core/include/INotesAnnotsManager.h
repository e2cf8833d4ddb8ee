// INotesAnnotsManager: document-wide operations on annotations: where new annotation page items
// go, removing text markups, showing and hiding popups in bulk, invalidating the page lists.
#pragma once

#include "NotesID.h"
#include "host/database/UIDList.h"
#include "host/objectmodel/IPMUnknown.h"

class INotesAnnotsManager : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESANNOTSMANAGER };
    // The annotation layer's spread layer on the spread holding the document page of that index.
    virtual UID GetAnnotationSpreadLayer(int32 pageIndex) = 0;
    virtual ErrorCode RemoveTextMarkups(const UIDList& annotations) = 0;
    virtual ErrorCode RemoveAllTextMarkups() = 0;
    virtual void ShowAllPopups(bool16 show) = 0;
    // Every popup in the state show asks for, except the listed annotations, which get the opposite.
    virtual void ShowPopups(const UIDList& exceptions, bool16 show) = 0;
    virtual void HideAllPopups(bool16 hide) = 0;
    virtual void HidePopups(const UIDList& exceptions, bool16 hide) = 0;
    virtual void ShowPopupOf(const UIDRef& annotation) = 0;
    virtual void InvalidateAnnotationLists() = 0;
};
