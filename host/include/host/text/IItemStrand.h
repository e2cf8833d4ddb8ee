// IItemStrand: objects anchored at characters of a story (owned items). An item travels with its
// character through every edit and leaves the strand when the character or the object is deleted.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/OwnedItemData.h"
#include "host/text/RangeData.h"

class IItemStrand : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IITEMSTRAND };
    // The item of exactly this class anchored at index (any class for kInvalidClass), or kInvalidUID.
    virtual UID GetOwnedUID(TextIndex index, ClassID itemClass) const = 0;
    // Appends the items anchored in range (of the class, or all for kInvalidClass) in text order;
    // answers how many were appended.
    virtual int32 CollectOwnedItems(RangeData range, ClassID itemClass, OwnedItemDataList* items) const = 0;
    // The index an item is anchored at, or -1.
    virtual TextIndex GetOwnedItemIndex(UID item) const = 0;
    virtual int32 CountOwnedItems() const = 0;

    // Text model use.
    virtual void SetOwnedItem(TextIndex at, UID item, ClassID itemClass) = 0;
    virtual bool RemoveOwnedItem(UID item) = 0;
    virtual void InsertSpace(TextIndex at, int32 length) = 0;
    virtual void Remove(TextIndex at, int32 length) = 0;
    // Drops items whose objects were deleted (the queries above already pass over them).
    virtual void RemoveDeletedItems() = 0;
};
