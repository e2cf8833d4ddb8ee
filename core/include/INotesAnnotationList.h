// INotesAnnotationList: the annotations of one page (annotation page items on or beside it, text
// markups in its frames), cached until invalidated.
#pragma once

#include "NotesID.h"
#include "host/database/UIDList.h"
#include "host/objectmodel/IPMUnknown.h"

class INotesAnnotationList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESANNOTATIONLIST };
    virtual UIDList GetAnnotations() = 0;
    virtual int32 GetAnnotationCount() = 0;
    virtual void Invalidate() = 0;
};
