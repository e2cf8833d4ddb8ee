// TreeViewEventHandler: the tree view's handling of clicks on its nodes' widgets: a click selects
// the node (with shift, adds it), a click on the expander or a double click opens or closes it, a
// right click selects an unselected node. Plug-ins derive from it to add a context menu.
#pragma once

#include "host/ui/CEventHandler.h"
#include "host/ui/NodeID.h"

class TreeViewEventHandler : public CEventHandler {
public:
    explicit TreeViewEventHandler(IPMUnknown* boss) : CEventHandler(boss) {}
    bool16 LButtonDn(IEvent* event) override;
    bool16 RButtonDn(IEvent* event) override;
    bool16 ButtonDblClk(IEvent* event) override;

protected:
    // The node whose widget holds the event's target; invalid when there is none.
    NodeID NodeOfTarget(const IEvent* event) const;

private:
    void ToggleExpanded(const NodeID& node) const;
};
