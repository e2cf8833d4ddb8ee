// INotesTextProfile: on the document, an index of every text area (frame column or table cell) of
// every story with its pasteboard bounds, grouped by spread. Built once by Update and reused for all
// text markups of an import, so that each quadrilateral is tested only against its own spread.
#pragma once

#include <vector>

#include "NotesID.h"
#include "NotesTextArea.h"
#include "host/objectmodel/IPMUnknown.h"

class INotesTextProfile : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESTEXTPROFILE };
    // Rebuilds the index from the document when it is not valid; nothing when it is.
    virtual void Update() = 0;
    // The next Update rebuilds. Call it whenever text layout may have changed since the last build.
    virtual void Invalidate() = 0;
    // Copies of the areas of a spread whose bounds hold both points, in the order they were entered.
    virtual std::vector<NotesTextArea> FindTextAreas(UID spreadUID, const PMPoint& p1, const PMPoint& p2) = 0;
    // Enters an area: normalises the bounds, grows them by 0.5 pt on every side and appends the
    // area to its spread's group (made at the end when new). The entry takes a thread reference.
    virtual void AddTextArea(const PMRect& bounds, ITextStoryThread* thread, UID spreadUID, UID story,
                             int32 kind, ParcelKey parcelKey, UID frame) = 0;
};
