// ITreeViewMgr: the nodes a tree view holds, built from its ITreeViewHierarchyAdapter, their
// expanded states and widgets. Building asks each node's children once (linear in the nodes);
// widgets are made only when asked for. Changes are sent under IID_ITREEVIEWMGR (kTreeViewChangedMessage,
// kTreeNodeChangedMessage with the NodeID as changedBy, kTreeScrollMessage).
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/NodeID.h"
#include "host/ui/UIIDs.h"

class IControlView;

class ITreeViewMgr : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITREEVIEWMGR };
    // Drops every node and asks the adapter again. Nodes still there keep their expanded state; the
    // selection loses the nodes that are gone (one selection-changed message when it changed).
    virtual void ChangeRoot(bool16 refreshAll = kFalse) = 0;
    // Drops every node, leaving an empty tree until ChangeRoot.
    virtual void ClearTree() = 0;
    // Asks the adapter again for the node's children and fills its widget again (with recursive,
    // its descendants' widgets too).
    virtual void NodeChanged(const NodeID& node, bool16 recursive = kFalse, int32 message = 0) = 0;
    // Takes the node and its descendants out of the tree before the object behind them goes (linear in
    // the node's siblings and descendants).
    virtual void BeforeNodeDeleted(const NodeID& node) = 0;
    virtual void ExpandNode(const NodeID& node, bool16 recursive = kFalse) = 0;
    virtual void CollapseNode(const NodeID& node, bool16 recursive = kFalse) = 0;
    virtual bool16 IsNodeExpanded(const NodeID& node) const = 0;
    // Opens the node's ancestors and asks the front end to scroll the node into view.
    virtual void ScrollToNode(const NodeID& node) = 0;
    // The node last scrolled to (invalid when none).
    virtual NodeID GetScrollNode() const = 0;
    virtual bool16 IsNodeInTree(const NodeID& node) const = 0;
    // The nodes held, the root included.
    virtual int32 CountNodes() const = 0;
    // The rows a front end draws, in order: the root's children and, under each expanded node, its own.
    virtual NodeIDList GetVisibleNodes() const = 0;
    // The node's widget (one reference), made and filled on first ask; nullptr for an unknown node.
    virtual IControlView* QueryWidgetFromNode(const NodeID& node) const = 0;
    // The node whose widget this is, invalid when none.
    virtual NodeID GetNodeFromWidget(const IControlView* widget) const = 0;
};
