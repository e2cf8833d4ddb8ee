// CTreeViewWidgetMgr: base of tree widget managers. A node's widget is made from a tree-node resource
// of the plug-in; filling it shows the expander (kTreeNodeExpanderWidgetID) only for nodes with
// children, sets it to the node's expanded state, then calls ApplyDataToWidget for the node's own data.
#pragma once

#include "host/objectmodel/CPMUnknown.h"
#include "host/ui/ITreeViewWidgetMgr.h"

class CTreeViewWidgetMgr : public CPMUnknown<ITreeViewWidgetMgr> {
public:
    CTreeViewWidgetMgr(IPMUnknown* boss, PluginID plugin, int32 nodeRsrcID);
    IControlView* CreateWidgetForNode(const NodeID& node) const override;
    WidgetID GetWidgetTypeForNode(const NodeID& node) const override;
    bool16 ApplyNodeIDToWidget(const NodeID& node, IControlView* widget, int32 message = 0) const override;
    // 16 points per level below the root's children.
    PMReal GetIndentForNode(const NodeID& node) const override;

protected:
    // The node's own data (labels, icons); kTrue unless it could not be filled.
    virtual bool16 ApplyDataToWidget(const NodeID& node, IControlView* widget, int32 message) const;

private:
    PluginID fPlugin;
    int32 fNodeRsrcID;
};
