// TreeMirror: a tree view of the host's UI toolkit drawn as a Qt tree. Its rows are the tree
// manager's visible nodes under their parents, each showing the texts and icon of the node's
// widget; expanding, collapsing, selecting, double-clicking and right-clicking go back to the tree
// manager, its controller and its event handler.
#pragma once

#include <QTreeWidget>

#include <unordered_map>

#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/ITreeViewHierarchyAdapter.h"
#include "host/ui/ITreeViewMgr.h"
#include "host/ui/NodeID.h"

class IControlView;

class TreeMirror : public QTreeWidget {
    Q_OBJECT
public:
    explicit TreeMirror(IControlView* tree, QWidget* parent = nullptr);
    // Draws the tree manager's rows and selection as they stand.
    void Refresh();
    // The row of a node, or nullptr when the node is not drawn.
    QTreeWidgetItem* ItemOf(const NodeID& node) const;
    NodeID NodeOf(const QTreeWidgetItem* item) const;
    // The n-th node (from 1) below the root's children in tree order, every child of the root
    // opened first; the invalid node when there are fewer.
    NodeID FindNthInnerNode(int n);
    // Selects the node through the tree's controller, as a click on its row does.
    void SelectNode(const NodeID& node);

signals:
    // The user changed something through the tree.
    void Changed();

private:
    void Rebuild(const NodeIDList& nodes);
    void FillItem(QTreeWidgetItem* item, const NodeID& node) const;
    void ShowSelection();
    void OnSelectionChanged();
    void OnExpanded(QTreeWidgetItem* item, bool expanded);
    void OnDoubleClicked(QTreeWidgetItem* item);
    void OnContextMenu(const QPoint& position);

    InterfacePtr<ITreeViewMgr> fTree;
    InterfacePtr<ITreeViewController> fController;
    InterfacePtr<ITreeViewHierarchyAdapter> fAdapter;
    NodeIDList fShown;
    std::unordered_map<NodeID, QTreeWidgetItem*, NodeIDHash> fItems;
    bool fUpdating = false;
};
