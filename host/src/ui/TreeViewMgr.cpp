// TreeViewMgr: the host's ITreeViewMgr. Nodes live in a hash map with their parent and children, so
// building, lookups and walks stay linear in the nodes however large the tree is.
#include <algorithm>
#include <deque>
#include <unordered_map>
#include <unordered_set>

#include "WidgetNotify.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/IControlView.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/ITreeViewHierarchyAdapter.h"
#include "host/ui/ITreeViewMgr.h"
#include "host/ui/ITreeViewWidgetMgr.h"

namespace {
class TreeViewMgr final : public CPMUnknown<ITreeViewMgr> {
public:
    explicit TreeViewMgr(IPMUnknown* boss) : CPMUnknown<ITreeViewMgr>(boss) {}

    void ChangeRoot(bool16) override {
        std::unordered_set<NodeID, NodeIDHash> expanded;
        for (const auto& [node, entry] : fNodes)
            if (entry.expanded)
                expanded.insert(node);
        DropAll();
        InterfacePtr<ITreeViewHierarchyAdapter> adapter(this, IID_ITREEVIEWHIERARCHYADAPTER);
        if (adapter) {
            fRoot = adapter->GetRootNode();
            if (fRoot.IsValid()) {
                fNodes[fRoot].expanded = true; // the root is never a row; its children always show
                AddChildren(adapter, fRoot);
            }
        }
        for (auto& [node, entry] : fNodes)
            if (expanded.count(node))
                entry.expanded = true;
        PruneSelection();
        Announce(kTreeViewChangedMessage, nullptr);
    }

    void ClearTree() override {
        DropAll();
        PruneSelection();
        Announce(kTreeViewChangedMessage, nullptr);
    }

    void NodeChanged(const NodeID& node, bool16 recursive, int32 message) override {
        const auto found = fNodes.find(node);
        if (found == fNodes.end())
            return;
        InterfacePtr<ITreeViewHierarchyAdapter> adapter(this, IID_ITREEVIEWHIERARCHYADAPTER);
        const NodeIDList children = found->second.children;
        for (const NodeID& child : children)
            Drop(child);
        fNodes[node].children.clear();
        if (adapter)
            AddChildren(adapter, node);
        Refill(node, recursive, message);
        PruneSelection();
        Announce(kTreeNodeChangedMessage, const_cast<NodeID*>(&node));
    }

    void BeforeNodeDeleted(const NodeID& node) override {
        const auto found = fNodes.find(node);
        if (found == fNodes.end() || node == fRoot)
            return;
        if (const auto parent = fNodes.find(found->second.parent); parent != fNodes.end())
            std::erase(parent->second.children, node);
        Drop(node);
        PruneSelection();
        Announce(kTreeViewChangedMessage, nullptr);
    }

    void ExpandNode(const NodeID& node, bool16 recursive) override { SetExpanded(node, true, recursive); }
    void CollapseNode(const NodeID& node, bool16 recursive) override { SetExpanded(node, false, recursive); }

    bool16 IsNodeExpanded(const NodeID& node) const override {
        const auto found = fNodes.find(node);
        return found != fNodes.end() && found->second.expanded;
    }

    void ScrollToNode(const NodeID& node) override {
        const auto found = fNodes.find(node);
        if (found == fNodes.end())
            return;
        for (NodeID parent = found->second.parent; parent.IsValid(); parent = fNodes[parent].parent)
            SetExpanded(parent, true, false);
        fScrollNode = node;
        Announce(kTreeScrollMessage, &fScrollNode);
    }

    NodeID GetScrollNode() const override { return fScrollNode; }
    bool16 IsNodeInTree(const NodeID& node) const override {
        return node.IsValid() && fNodes.count(node) > 0;
    }
    int32 CountNodes() const override { return static_cast<int32>(fNodes.size()); }

    NodeIDList GetVisibleNodes() const override {
        NodeIDList rows;
        const auto root = fNodes.find(fRoot);
        if (root == fNodes.end())
            return rows;
        // Depth first, children in order: a stack of the nodes still to show, last child pushed first.
        NodeIDList pending(root->second.children.rbegin(), root->second.children.rend());
        while (!pending.empty()) {
            NodeID node = std::move(pending.back());
            pending.pop_back();
            const Entry& entry = fNodes.at(node);
            if (entry.expanded)
                pending.insert(pending.end(), entry.children.rbegin(), entry.children.rend());
            rows.push_back(std::move(node));
        }
        return rows;
    }

    IControlView* QueryWidgetFromNode(const NodeID& node) const override {
        const auto found = fNodes.find(node);
        if (found == fNodes.end())
            return nullptr;
        Entry& entry = found->second;
        if (!entry.widget) {
            InterfacePtr<ITreeViewWidgetMgr> widgets(this, IID_ITREEVIEWWIDGETMGR);
            if (!widgets)
                return nullptr;
            entry.widget.reset(widgets->CreateWidgetForNode(node));
            if (!entry.widget)
                return nullptr;
            InterfacePtr<IControlView> tree(this, IID_ICONTROLVIEW);
            entry.widget->SetParentView(tree.get());
            fWidgetNodes[entry.widget.get()] = node;
            widgets->ApplyNodeIDToWidget(node, entry.widget);
        }
        return InterfacePtr<IControlView>(entry.widget).forget();
    }

    NodeID GetNodeFromWidget(const IControlView* widget) const override {
        const auto found = fWidgetNodes.find(widget);
        return found == fWidgetNodes.end() ? NodeID() : found->second;
    }

private:
    struct Entry {
        NodeID parent;
        NodeIDList children;
        bool expanded = false;
        InterfacePtr<IControlView> widget;
    };

    // Asks the adapter for the node's descendants, breadth first; a node met twice (an adapter
    // that loops) is skipped.
    void AddChildren(ITreeViewHierarchyAdapter* adapter, const NodeID& from) {
        std::deque<NodeID> pending{from};
        while (!pending.empty()) {
            const NodeID node = std::move(pending.front());
            pending.pop_front();
            const int32 count = adapter->GetNumChildren(node);
            for (int32 i = 0; i < count; ++i) {
                NodeID child = adapter->GetNthChild(node, i);
                if (!child.IsValid() || fNodes.count(child))
                    continue;
                fNodes[child].parent = node;
                fNodes[node].children.push_back(child);
                pending.push_back(std::move(child));
            }
        }
    }

    // Takes the node and its descendants out (their parent keeps listing them until told otherwise).
    void Drop(const NodeID& node) {
        NodeIDList pending{node};
        while (!pending.empty()) {
            const NodeID next = std::move(pending.back());
            pending.pop_back();
            const auto found = fNodes.find(next);
            if (found == fNodes.end())
                continue;
            pending.insert(pending.end(), found->second.children.begin(), found->second.children.end());
            Forget(found->second.widget);
            fNodes.erase(found);
        }
        if (fScrollNode.IsValid() && !fNodes.count(fScrollNode))
            fScrollNode = NodeID();
    }

    void DropAll() {
        for (auto& [node, entry] : fNodes)
            Forget(entry.widget);
        fNodes.clear();
        fRoot = NodeID();
        fScrollNode = NodeID();
    }

    void Forget(InterfacePtr<IControlView>& widget) {
        if (!widget)
            return;
        fWidgetNodes.erase(widget.get());
        widget->SetParentView(nullptr);
        widget.reset();
    }

    void Refill(const NodeID& node, bool recursive, int32 message) {
        InterfacePtr<ITreeViewWidgetMgr> widgets(this, IID_ITREEVIEWWIDGETMGR);
        if (!widgets)
            return;
        NodeIDList pending{node};
        while (!pending.empty()) {
            const NodeID next = std::move(pending.back());
            pending.pop_back();
            const Entry& entry = fNodes.at(next);
            if (entry.widget)
                widgets->ApplyNodeIDToWidget(next, entry.widget, message);
            if (recursive)
                pending.insert(pending.end(), entry.children.begin(), entry.children.end());
        }
    }

    void SetExpanded(const NodeID& node, bool expanded, bool recursive) {
        if (!IsNodeInTree(node) || node == fRoot)
            return;
        NodeIDList pending{node};
        bool changed = false;
        while (!pending.empty()) {
            const NodeID next = std::move(pending.back());
            pending.pop_back();
            Entry& entry = fNodes.at(next);
            if (!entry.children.empty() && entry.expanded != expanded) {
                entry.expanded = expanded;
                changed = true;
                Refill(next, false, 0); // the expander shows the new state
            }
            if (recursive)
                pending.insert(pending.end(), entry.children.begin(), entry.children.end());
        }
        if (changed)
            Announce(kTreeViewChangedMessage, nullptr);
    }

    // Deselects the nodes that left the tree, with one selection-changed message.
    void PruneSelection() {
        InterfacePtr<ITreeViewController> controller(this, IID_ITREEVIEWCONTROLLER);
        if (!controller)
            return;
        NodeIDList selected;
        controller->GetSelectedItems(selected);
        NodeIDList gone;
        for (const NodeID& node : selected)
            if (!IsNodeInTree(node))
                gone.push_back(node);
        for (size_t i = 0; i < gone.size(); ++i)
            controller->Deselect(gone[i], i + 1 == gone.size());
    }

    void Announce(ClassID change, void* changedBy) {
        NotifyWidgetChange(this, change, IID_ITREEVIEWMGR, changedBy);
    }

    NodeID fRoot;
    NodeID fScrollNode;
    mutable std::unordered_map<NodeID, Entry, NodeIDHash> fNodes;
    mutable std::unordered_map<const IControlView*, NodeID> fWidgetNodes;
};
} // namespace

ImplementationDeclaration MakeTreeViewMgrImplementation(ImplementationID id) {
    return IMPLEMENTATION(TreeViewMgr, id, false);
}
