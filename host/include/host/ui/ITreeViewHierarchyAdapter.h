// ITreeViewHierarchyAdapter: what a tree view shows, asked node by node; a plug-in implements it on
// its tree view class. The tree asks each node's children once per rebuild, in order.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/NodeID.h"
#include "host/ui/UIIDs.h"

class ITreeViewHierarchyAdapter : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITREEVIEWHIERARCHYADAPTER };
    virtual NodeID_rv GetRootNode() const = 0;
    // The parent, invalid for the root.
    virtual NodeID_rv GetParentNode(const NodeID& node) const = 0;
    virtual int32 GetNumChildren(const NodeID& node) const = 0;
    // The nth child (0-based), invalid when there is none.
    virtual NodeID_rv GetNthChild(const NodeID& node, const int32& nth) const = 0;
    // The child's position under the parent, -1 when it is not there.
    virtual int32 GetChildIndex(const NodeID& parent, const NodeID& child) const = 0;
};
