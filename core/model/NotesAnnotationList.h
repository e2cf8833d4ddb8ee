// NotesAnnotationList: the annotations of a page, cached until the document changes (any change, by
// any command, undo and redo included) or the cache is invalidated. Annotation page items
// belong to the page that owns them, or, on the pasteboard, to the nearest page of their spread;
// text markups belong to the page of the frame that shows their end marker.
#pragma once

#include "INotesAnnotationList.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/text/RangeData.h"

class IItemStrand;

class NotesAnnotationList final : public CPMUnknown<INotesAnnotationList> {
public:
    explicit NotesAnnotationList(IPMUnknown* boss) : CPMUnknown<INotesAnnotationList>(boss) {}
    UIDList GetAnnotations() override;
    int32 GetAnnotationCount() override { return GetAnnotations().Length(); }
    void Invalidate() override;

private:
    UIDList Rebuild();
    void AddPageItems(UID spread, UIDList* result);
    // Text markups: end markers in the text of this page's frames, tables included.
    void AddTextMarkups(UID spread, UIDList* result);
    void AddMarkersInRange(const IItemStrand* itemStrand, RangeData range, UIDList* result);
    // The text of a table anchored in the story, searched the same way.
    void AddMarkersOfTable(const IItemStrand* itemStrand, UID tableItem, UIDList* result);
    // Whether an item belongs to this page: its owner page, or the page nearest to it when it lies
    // on the pasteboard of this page's spread.
    enum class Belonging { kElsewhere, kOwnedByPage, kNearestToPage };
    Belonging BelongingOf(const IPMUnknown* item, UID spread);

    UIDList fCache;
    bool16 fValid = kFalse;
    uint64 fStamp = 0; // the database's change stamp when the cache was built
};
