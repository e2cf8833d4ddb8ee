// TreeViewController: the host's ITreeViewController; the selection in order with a set for lookups.
#include <algorithm>
#include <unordered_set>

#include "WidgetNotify.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/ITreeViewMgr.h"

namespace {
class TreeViewController final : public CPMUnknown<ITreeViewController> {
public:
    explicit TreeViewController(IPMUnknown* boss) : CPMUnknown<ITreeViewController>(boss) {}

    void Select(const NodeID& node, bool16 notifyOfChange, bool16 addToSelection) override {
        InterfacePtr<ITreeViewMgr> tree(this, IID_ITREEVIEWMGR);
        if (!tree || !tree->IsNodeInTree(node))
            return;
        const bool alone = fOrder.size() == 1 && fOrder.front() == node;
        if (addToSelection ? fSet.count(node) > 0 : alone)
            return;
        if (!addToSelection)
            Clear();
        fOrder.push_back(node);
        fSet.insert(node);
        Changed(notifyOfChange);
    }

    void Deselect(const NodeID& node, bool16 notifyOfChange) override {
        if (fSet.erase(node) == 0)
            return;
        std::erase(fOrder, node);
        Changed(notifyOfChange);
    }

    void DeselectAll(bool16 notifyOfChange) override {
        if (fOrder.empty())
            return;
        Clear();
        Changed(notifyOfChange);
    }

    void GetSelectedItems(NodeIDList& selected) const override { selected = fOrder; }
    bool16 IsSelected(const NodeID& node) const override { return fSet.count(node) > 0; }

private:
    void Clear() {
        fOrder.clear();
        fSet.clear();
    }
    void Changed(bool16 notify) {
        if (notify)
            NotifyWidgetChange(this, kListSelectionChangedMessage, IID_ITREEVIEWCONTROLLER, this);
    }
    NodeIDList fOrder;
    std::unordered_set<NodeID, NodeIDHash> fSet;
};
} // namespace

ImplementationDeclaration MakeTreeViewControllerImplementation(ImplementationID id) {
    return IMPLEMENTATION(TreeViewController, id, false);
}
