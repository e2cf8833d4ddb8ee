#include "TreeMirror.h"

#include <QHeaderView>

#include "ContextMenuPopup.h"
#include "IconLibrary.h"
#include "ToolkitEvents.h"
#include "WidgetKind.h"
#include "host/ui/IControlView.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/ITreeViewHierarchyAdapter.h"
#include "host/ui/ITreeViewMgr.h"

namespace {
constexpr int kIconRole = Qt::UserRole + 1; // the icon resource a row shows

// The texts and the icon a node's widget shows, its nested panels included.
void CollectFace(IControlView* widget, QStringList* texts, int32* icon) {
    InterfacePtr<IPanelControlData> panel(widget, IID_IPANELCONTROLDATA);
    for (int32 i = 0; panel && i < panel->Length(); ++i) {
        IControlView* child = panel->GetWidget(i);
        if (!child || !child->IsVisible())
            continue;
        switch (WidgetKind::Of(child)) {
        case WidgetKind::kStaticText:
            if (InterfacePtr<ITextControlData> text{child, IID_ITEXTCONTROLDATA};
                text && !text->GetString().IsEmpty())
                *texts << QString::fromStdString(text->GetString().GetUTF8String());
            break;
        case WidgetKind::kIcon:
            if (*icon == 0)
                *icon = child->GetRsrcID();
            break;
        case WidgetKind::kPanel:
            CollectFace(child, texts, icon);
            break;
        default:
            break;
        }
    }
}
} // namespace

TreeMirror::TreeMirror(IControlView* tree, QWidget* parent)
    : QTreeWidget(parent), fTree(tree, IID_ITREEVIEWMGR), fController(tree, IID_ITREEVIEWCONTROLLER),
      fAdapter(tree, IID_ITREEVIEWHIERARCHYADAPTER) {
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &TreeMirror::OnSelectionChanged);
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { OnExpanded(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { OnExpanded(item, false); });
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { OnDoubleClicked(item); });
    connect(this, &QWidget::customContextMenuRequested, this, &TreeMirror::OnContextMenu);
}

void TreeMirror::Refresh() {
    if (!fTree)
        return;
    fUpdating = true;
    const NodeIDList nodes = fTree->GetVisibleNodes();
    if (nodes != fShown)
        Rebuild(nodes);
    else
        for (const NodeID& node : fShown)
            FillItem(fItems.at(node), node);
    ShowSelection();
    if (QTreeWidgetItem* scrolled = ItemOf(fTree->GetScrollNode()))
        scrollToItem(scrolled);
    fUpdating = false;
}

void TreeMirror::Rebuild(const NodeIDList& nodes) {
    clear();
    fItems.clear();
    fShown = nodes;
    // Visible nodes come in tree order, so a node's parent row is made before the node's.
    for (size_t i = 0; i < fShown.size(); ++i) {
        const NodeID& node = fShown[i];
        QTreeWidgetItem* parentItem = fAdapter ? ItemOf(fAdapter->GetParentNode(node)) : nullptr;
        auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
        item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
        fItems.emplace(node, item);
        FillItem(item, node);
        const bool hasChildren = fAdapter && fAdapter->GetNumChildren(node) > 0;
        item->setChildIndicatorPolicy(hasChildren ? QTreeWidgetItem::ShowIndicator
                                                  : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    }
    for (const NodeID& node : fShown)
        fItems.at(node)->setExpanded(fTree->IsNodeExpanded(node));
}

void TreeMirror::FillItem(QTreeWidgetItem* item, const NodeID& node) const {
    InterfacePtr<IControlView> widget(fTree->QueryWidgetFromNode(node));
    QStringList texts;
    int32 icon = 0;
    CollectFace(widget, &texts, &icon);
    const QString text = texts.join(QStringLiteral("  "));
    if (item->text(0) != text)
        item->setText(0, text);
    if (item->data(0, kIconRole).toInt() != icon) {
        item->setData(0, kIconRole, icon);
        item->setIcon(0, IconLibrary::ForResource(icon));
    }
}

void TreeMirror::ShowSelection() {
    for (const auto& [node, item] : fItems)
        item->setSelected(fController && fController->IsSelected(node));
}

QTreeWidgetItem* TreeMirror::ItemOf(const NodeID& node) const {
    const auto found = fItems.find(node);
    return found == fItems.end() ? nullptr : found->second;
}

NodeID TreeMirror::NodeOf(const QTreeWidgetItem* item) const {
    const size_t index =
        item ? static_cast<size_t>(item->data(0, Qt::UserRole).toULongLong()) : fShown.size();
    return index < fShown.size() ? fShown[index] : NodeID();
}

NodeID TreeMirror::FindNthInnerNode(int n) {
    if (!fTree || !fAdapter || n < 1)
        return NodeID();
    const NodeID root = fAdapter->GetRootNode();
    for (int32 i = 0; i < fAdapter->GetNumChildren(root); ++i)
        fTree->ExpandNode(fAdapter->GetNthChild(root, i));
    int count = 0;
    for (const NodeID& node : fTree->GetVisibleNodes())
        if (fAdapter->GetParentNode(node) != root && ++count == n)
            return node;
    return NodeID();
}

void TreeMirror::SelectNode(const NodeID& node) {
    if (fController)
        fController->Select(node);
    Refresh();
}

void TreeMirror::OnSelectionChanged() {
    if (fUpdating || !fController)
        return;
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty())
        fController->DeselectAll();
    for (qsizetype i = 0; i < selected.size(); ++i)
        fController->Select(NodeOf(selected[i]), kTrue, i > 0 ? kTrue : kFalse);
    emit Changed();
}

void TreeMirror::OnExpanded(QTreeWidgetItem* item, bool expanded) {
    if (fUpdating || !fTree)
        return;
    if (expanded)
        fTree->ExpandNode(NodeOf(item));
    else
        fTree->CollapseNode(NodeOf(item));
    emit Changed();
}

void TreeMirror::OnDoubleClicked(QTreeWidgetItem* item) {
    InterfacePtr<IControlView> widget(fTree ? fTree->QueryWidgetFromNode(NodeOf(item)) : nullptr);
    ToolkitEvents::Dispatch(IEvent::kDoubleClick, widget);
    emit Changed();
}

void TreeMirror::OnContextMenu(const QPoint& position) {
    const NodeID node = NodeOf(itemAt(position));
    if (!node.IsValid() || !fController)
        return;
    if (!fController->IsSelected(node))
        fController->Select(node);
    InterfacePtr<IControlView> widget(fTree->QueryWidgetFromNode(node));
    ToolkitEvents::Dispatch(IEvent::kRButtonDn, widget, PMPoint(position.x(), position.y()));
    ContextMenuPopup::Run(this, viewport()->mapToGlobal(position));
    emit Changed();
}
