// IHierarchy: the place of an object in the spread tree (spread → spread layers → page items).
// Children are kept in drawing order: the last child is in front.
#pragma once

#include "host/database/UIDList.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IHierarchy : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IHIERARCHY };

    virtual UID GetParentUID() const = 0;
    virtual IHierarchy* QueryParent() const = 0;
    virtual int32 GetChildCount() const = 0;
    virtual UID GetChildUID(int32 index) const = 0;
    virtual IHierarchy* QueryChild(int32 index) const = 0;
    // Index of a direct child, or -1.
    virtual int32 GetChildIndex(UID child) const = 0;
    // Inserts child at position (-1: at the end) and makes this object its parent.
    virtual void AddChild(UID child, int32 position = -1) = 0;
    // Takes child out of the children; its parent becomes kInvalidUID.
    virtual void RemoveChild(UID child) = 0;
    // Every descendant, depth first in drawing order; the object itself comes first when asked.
    virtual void GetDescendants(UIDList* list, bool16 includeSelf) const = 0;
    // The spread (or master spread) above this object, the object itself when it is one.
    virtual UID GetSpreadUID() const = 0;
    // The spread layer above this object, or kInvalidUID.
    virtual UID GetLayerUID() const = 0;

    // Host use: sets the parent reference only (AddChild and RemoveChild call it).
    virtual void SetParentUID(UID parent) = 0;
};
