// ITreeViewController: a tree view's selection, in the order the nodes were selected. A change is
// sent as kListSelectionChangedMessage under IID_ITREEVIEWCONTROLLER.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/NodeID.h"
#include "host/ui/UIIDs.h"

class ITreeViewController : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITREEVIEWCONTROLLER };
    // Selects a node of the tree (a node it does not hold is ignored), alone or added to the selection.
    virtual void Select(const NodeID& node, bool16 notifyOfChange = kTrue,
                        bool16 addToSelection = kFalse) = 0;
    virtual void Deselect(const NodeID& node, bool16 notifyOfChange = kTrue) = 0;
    virtual void DeselectAll(bool16 notifyOfChange = kTrue) = 0;
    // The selected nodes, first selected first.
    virtual void GetSelectedItems(NodeIDList& selected) const = 0;
    virtual bool16 IsSelected(const NodeID& node) const = 0;
};
