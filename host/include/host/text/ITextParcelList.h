// ITextParcelList: a story thread's text composed into its parcels. Composition is derived
// state: it is made on demand from the story's text and the parcels as they are now, so text
// edits, undo and redo, and frame changes show at the next question.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/TextComposition.h"

class ITextParcelList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTPARCELLIST };
    // The composition of the thread, valid until the story is composed again.
    virtual const TextComposition& GetComposition() const = 0;
    // The text a parcel shows (empty where the text would go on); an empty range at -1 for an
    // unknown key.
    virtual RangeData GetParcelTextRange(ParcelKey key) const = 0;
    // The real-valued text position at a pasteboard point in a parcel; -1 where no line is.
    virtual PMReal TextPositionAt(ParcelKey key, const PMPoint& pasteboardPoint) const = 0;
    // The first index that found no room in any parcel, or -1.
    virtual TextIndex GetOversetStart() const = 0;
};
