#include "host/ui/TreeViewEventHandler.h"
#include "host/objectmodel/InterfacePtr.h"

#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/IControlView.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/ITreeViewMgr.h"

NodeID TreeViewEventHandler::NodeOfTarget(const IEvent* event) const {
    InterfacePtr<ITreeViewMgr> tree(this, IID_ITREEVIEWMGR);
    if (!tree)
        return NodeID();
    for (IControlView* view = event->GetTarget(); view; view = view->GetParentView()) {
        NodeID node = tree->GetNodeFromWidget(view);
        if (node.IsValid())
            return node;
    }
    return NodeID();
}

void TreeViewEventHandler::ToggleExpanded(const NodeID& node) const {
    InterfacePtr<ITreeViewMgr> tree(this, IID_ITREEVIEWMGR);
    if (tree->IsNodeExpanded(node))
        tree->CollapseNode(node);
    else
        tree->ExpandNode(node);
}

bool16 TreeViewEventHandler::LButtonDn(IEvent* event) {
    const NodeID node = NodeOfTarget(event);
    if (!node.IsValid())
        return kFalse;
    if (event->GetTarget() && event->GetTarget()->GetWidgetID() == kTreeNodeExpanderWidgetID) {
        ToggleExpanded(node);
        return kTrue;
    }
    InterfacePtr<ITreeViewController> controller(this, IID_ITREEVIEWCONTROLLER);
    if (controller)
        controller->Select(node, kTrue, event->ShiftKeyDown());
    return kTrue;
}

bool16 TreeViewEventHandler::RButtonDn(IEvent* event) {
    const NodeID node = NodeOfTarget(event);
    InterfacePtr<ITreeViewController> controller(this, IID_ITREEVIEWCONTROLLER);
    if (node.IsValid() && controller && !controller->IsSelected(node))
        controller->Select(node);
    return kFalse; // the context menu is the plug-in's
}

bool16 TreeViewEventHandler::ButtonDblClk(IEvent* event) {
    const NodeID node = NodeOfTarget(event);
    if (node.IsValid())
        ToggleExpanded(node);
    return kFalse; // a plug-in's handler of the node may add its own meaning
}

ImplementationDeclaration MakeTreeViewEventHandlerImplementation(ImplementationID id) {
    return IMPLEMENTATION(TreeViewEventHandler, id, false);
}
