// NotesAnnotationList: the annotations of a page, cached until invalidated. Annotation page items
// belong to the page that owns them, or, on the pasteboard, to the nearest page of their spread.
#pragma once

#include "INotesAnnotationList.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesAnnotationList final : public CPMUnknown<INotesAnnotationList> {
public:
    explicit NotesAnnotationList(IPMUnknown* boss) : CPMUnknown<INotesAnnotationList>(boss) {}
    UIDList GetAnnotations() override;
    int32 GetAnnotationCount() override { return GetAnnotations().Length(); }
    void Invalidate() override;

private:
    UIDList Rebuild();
    void AddPageItems(UID spread, UIDList* result);

    UIDList fCache;
    bool16 fValid = kFalse;
};
