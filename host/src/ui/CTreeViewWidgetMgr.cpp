#include "host/ui/CTreeViewWidgetMgr.h"
#include "host/objectmodel/InterfacePtr.h"

#include "host/ui/IControlView.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/ITreeViewHierarchyAdapter.h"
#include "host/ui/ITreeViewMgr.h"
#include "host/ui/ITriStateControlData.h"
#include "host/ui/WidgetResources.h"

CTreeViewWidgetMgr::CTreeViewWidgetMgr(IPMUnknown* boss, PluginID plugin, int32 nodeRsrcID)
    : CPMUnknown<ITreeViewWidgetMgr>(boss), fPlugin(plugin), fNodeRsrcID(nodeRsrcID) {}

IControlView* CTreeViewWidgetMgr::CreateWidgetForNode(const NodeID&) const {
    const WidgetResourceDeclaration* resource = WidgetResources::Instance().Find(fPlugin, fNodeRsrcID);
    return resource ? WidgetResources::CreateWidgets(resource->root) : nullptr;
}

WidgetID CTreeViewWidgetMgr::GetWidgetTypeForNode(const NodeID&) const {
    const WidgetResourceDeclaration* resource = WidgetResources::Instance().Find(fPlugin, fNodeRsrcID);
    return resource ? resource->root.id : kInvalidWidgetID;
}

bool16 CTreeViewWidgetMgr::ApplyNodeIDToWidget(const NodeID& node, IControlView* widget,
                                               int32 message) const {
    if (!widget)
        return kFalse;
    InterfacePtr<IPanelControlData> panel(widget, IID_IPANELCONTROLDATA);
    IControlView* expander = panel ? panel->FindWidget(kTreeNodeExpanderWidgetID) : nullptr;
    InterfacePtr<ITreeViewHierarchyAdapter> adapter(this, IID_ITREEVIEWHIERARCHYADAPTER);
    if (expander && adapter) {
        expander->Show(adapter->GetNumChildren(node) > 0);
        InterfacePtr<ITreeViewMgr> tree(this, IID_ITREEVIEWMGR);
        InterfacePtr<ITriStateControlData> state(expander, IID_ITRISTATECONTROLDATA);
        if (tree && state)
            state->SetState(tree->IsNodeExpanded(node) ? ITriStateControlData::kSelected
                                                       : ITriStateControlData::kUnselected,
                            kTrue, kFalse);
    }
    return ApplyDataToWidget(node, widget, message);
}

PMReal CTreeViewWidgetMgr::GetIndentForNode(const NodeID& node) const {
    InterfacePtr<ITreeViewHierarchyAdapter> adapter(this, IID_ITREEVIEWHIERARCHYADAPTER);
    if (!adapter)
        return 0.0;
    int32 levels = 0;
    for (NodeID parent = adapter->GetParentNode(node); parent.IsValid();
         parent = adapter->GetParentNode(parent))
        ++levels;
    return 16.0 * (levels > 0 ? levels - 1 : 0);
}

bool16 CTreeViewWidgetMgr::ApplyDataToWidget(const NodeID&, IControlView*, int32) const {
    return kTrue;
}
