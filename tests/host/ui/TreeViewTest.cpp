// A tree view builds its nodes from its adapter with one question per node, shows the children of
// expanded nodes, fills node widgets through its widget manager, keeps a selection that tells its
// observers and loses the nodes that leave the tree.
#include <gtest/gtest.h>

#include "UiTestPlugIn.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IEventDispatcher.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITreeViewController.h"
#include "host/ui/ITreeViewMgr.h"
#include "host/ui/ITriStateControlData.h"
#include "host/ui/UIDNodeID.h"

using namespace UiTest;

namespace {
class UiTreeView : public ::testing::Test {
protected:
    void SetUp() override {
        TheHierarchy() = Hierarchy{30, 10, 0}; // 30 pages of 10 notes: 331 nodes with the root
        tree = PanelWidget<ITreeViewMgr>(kTreeID, IID_ITREEVIEWMGR);
        ASSERT_NE(tree, nullptr);
        controller = InterfacePtr<ITreeViewController>(tree, IID_ITREEVIEWCONTROLLER);
        controller->DeselectAll(kFalse);
        tree->ChangeRoot();
        for (int32 page = 0; page < 30; ++page)
            tree->CollapseNode(PageNode(page));
    }
    NodeIDList Selected() const {
        NodeIDList selected;
        controller->GetSelectedItems(selected);
        return selected;
    }
    std::string LabelOf(const NodeID& node) const {
        InterfacePtr<IControlView> widget(tree->QueryWidgetFromNode(node));
        InterfacePtr<IPanelControlData> panel(widget, IID_IPANELCONTROLDATA);
        InterfacePtr<ITextControlData> label(panel->FindWidget(kNodeLabelID), IID_ITEXTCONTROLDATA);
        return label->GetString().GetUTF8String();
    }
    InterfacePtr<ITreeViewMgr> tree;
    InterfacePtr<ITreeViewController> controller;
};
} // namespace

TEST(UiNodeID, UIDNodesCompareAndHashByTheirObject) {
    EXPECT_EQ(UIDNodeID::Create(nullptr, 5), UIDNodeID::Create(nullptr, 5));
    EXPECT_NE(UIDNodeID::Create(nullptr, 5), UIDNodeID::Create(nullptr, 6));
    EXPECT_LT(UIDNodeID::Create(nullptr, 5), UIDNodeID::Create(nullptr, 6));
    EXPECT_EQ(UIDNodeID::Create(nullptr, 5).Hash(), UIDNodeID::Create(nullptr, 5).Hash());
    EXPECT_NE(NodeID(), UIDNodeID::Create(nullptr, kInvalidUID)) << "an invalid node is no node of UID 0";
    TreeNodePtr<UIDNodeID> typed(UIDNodeID::Create(nullptr, 9));
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->GetUID(), 9u);
    EXPECT_FALSE(TreeNodePtr<UIDNodeID>(NodeID()));
}

TEST_F(UiTreeView, ARebuildAsksTheAdapterOnceForEachNode) {
    TheHierarchy().childQueries = 0;
    tree->ChangeRoot();
    EXPECT_EQ(tree->CountNodes(), 331);
    EXPECT_EQ(TheHierarchy().childQueries, 330);
}

TEST_F(UiTreeView, CollapsedPagesShowAsRowsAndAnExpandedPageShowsItsNotesBelowIt) {
    NodeIDList rows = tree->GetVisibleNodes();
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows.front(), PageNode(0));
    tree->ExpandNode(PageNode(1));
    EXPECT_TRUE(tree->IsNodeExpanded(PageNode(1)));
    rows = tree->GetVisibleNodes();
    ASSERT_EQ(rows.size(), 40u);
    EXPECT_EQ(rows[1], PageNode(1));
    EXPECT_EQ(rows[2], NoteNode(1, 0));
    EXPECT_EQ(rows[11], NoteNode(1, 9));
    EXPECT_EQ(rows[12], PageNode(2));
    tree->ExpandNode(NoteNode(1, 0));
    EXPECT_FALSE(tree->IsNodeExpanded(NoteNode(1, 0))) << "a leaf has nothing to open";
}

TEST_F(UiTreeView, ExpandedPagesStayOpenThroughARebuild) {
    tree->ExpandNode(PageNode(3));
    tree->ChangeRoot();
    EXPECT_TRUE(tree->IsNodeExpanded(PageNode(3)));
    EXPECT_EQ(tree->GetVisibleNodes().size(), 40u);
}

TEST_F(UiTreeView, NodeWidgetsAreFilledByTheWidgetManagerAndShowAnExpanderOnlyWithChildren) {
    EXPECT_EQ(LabelOf(NoteNode(2, 4)), "1002004");
    InterfacePtr<IControlView> page(tree->QueryWidgetFromNode(PageNode(2)));
    InterfacePtr<IControlView> note(tree->QueryWidgetFromNode(NoteNode(2, 4)));
    InterfacePtr<IPanelControlData> pagePanel(page, IID_IPANELCONTROLDATA);
    InterfacePtr<IPanelControlData> notePanel(note, IID_IPANELCONTROLDATA);
    EXPECT_TRUE(pagePanel->FindWidget(kTreeNodeExpanderWidgetID)->IsVisible());
    EXPECT_FALSE(notePanel->FindWidget(kTreeNodeExpanderWidgetID)->IsVisible());
    InterfacePtr<ITriStateControlData> expander(pagePanel->FindWidget(kTreeNodeExpanderWidgetID),
                                                IID_ITRISTATECONTROLDATA);
    tree->ExpandNode(PageNode(2));
    EXPECT_TRUE(expander->IsSelected()) << "the expander shows the open state";
    EXPECT_EQ(tree->GetNodeFromWidget(note), NoteNode(2, 4));
    EXPECT_EQ(tree->QueryWidgetFromNode(NoteNode(99, 0)), nullptr);
}

TEST_F(UiTreeView, SelectingTellsTheObserversAndKeepsTheSelectionOrder) {
    RecordingObserver observer;
    Listening listening(controller, IID_ITREEVIEWCONTROLLER, &observer);
    controller->Select(NoteNode(4, 2));
    controller->Select(NoteNode(4, 2));
    controller->Select(PageNode(7), kTrue, kTrue);
    controller->Select(NoteNode(99, 0)); // not in the tree
    EXPECT_EQ(observer.Count(kListSelectionChangedMessage, IID_ITREEVIEWCONTROLLER), 2);
    EXPECT_EQ(Selected(), (NodeIDList{NoteNode(4, 2), PageNode(7)}));
    controller->Select(PageNode(8));
    EXPECT_EQ(Selected(), NodeIDList{PageNode(8)});
    controller->DeselectAll();
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(observer.Count(kListSelectionChangedMessage, IID_ITREEVIEWCONTROLLER), 4);
}

TEST_F(UiTreeView, NodesThatLeaveTheTreeLeaveTheSelection) {
    controller->Select(NoteNode(5, 9));
    controller->Select(NoteNode(6, 0), kTrue, kTrue);
    RecordingObserver observer;
    Listening listening(controller, IID_ITREEVIEWCONTROLLER, &observer);
    tree->BeforeNodeDeleted(NoteNode(5, 9));
    EXPECT_FALSE(tree->IsNodeInTree(NoteNode(5, 9)));
    EXPECT_EQ(Selected(), NodeIDList{NoteNode(6, 0)});
    TheHierarchy().pages = 6; // page 6 and its notes are gone from the document
    tree->ChangeRoot();
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(observer.Count(kListSelectionChangedMessage, IID_ITREEVIEWCONTROLLER), 2);
    EXPECT_EQ(tree->CountNodes(), 1 + 6 * 11);
}

TEST_F(UiTreeView, ScrollingToANoteOpensItsPage) {
    tree->ScrollToNode(NoteNode(12, 3));
    EXPECT_TRUE(tree->IsNodeExpanded(PageNode(12)));
    EXPECT_EQ(tree->GetScrollNode(), NoteNode(12, 3));
}

TEST_F(UiTreeView, AChangedNodeIsAskedAgainForItsChildren) {
    TheHierarchy().notesPerPage = 12;
    tree->NodeChanged(PageNode(0));
    EXPECT_TRUE(tree->IsNodeInTree(NoteNode(0, 11)));
    EXPECT_FALSE(tree->IsNodeInTree(NoteNode(1, 11))) << "other pages were not asked";
}

TEST_F(UiTreeView, ClicksOnANodesWidgetSelectAndTheExpanderOpens) {
    InterfacePtr<IEventDispatcher> dispatcher(GetApplicationObject(), IID_IEVENTDISPATCHER);
    InterfacePtr<IControlView> page(tree->QueryWidgetFromNode(PageNode(9)));
    InterfacePtr<IPanelControlData> pagePanel(page, IID_IPANELCONTROLDATA);
    IEvent click(IEvent::kLButtonDn);
    EXPECT_TRUE(dispatcher->DispatchEvent(&click, pagePanel->FindWidget(kNodeLabelID)));
    EXPECT_EQ(Selected(), NodeIDList{PageNode(9)});
    IEvent onExpander(IEvent::kLButtonDn);
    dispatcher->DispatchEvent(&onExpander, pagePanel->FindWidget(kTreeNodeExpanderWidgetID));
    EXPECT_TRUE(tree->IsNodeExpanded(PageNode(9)));
}

TEST(UiTreeViewSize, TenThousandNotesBuildWithOneQuestionEach) {
    TheHierarchy() = Hierarchy{100, 100, 0};
    InterfacePtr<ITreeViewMgr> tree = PanelWidget<ITreeViewMgr>(kTreeID, IID_ITREEVIEWMGR);
    tree->ChangeRoot();
    EXPECT_EQ(tree->CountNodes(), 1 + 100 + 10000);
    EXPECT_EQ(TheHierarchy().childQueries, 10100);
    TheHierarchy() = Hierarchy{};
    tree->ChangeRoot();
    EXPECT_EQ(tree->CountNodes(), 1);
    EXPECT_TRUE(tree->GetVisibleNodes().empty());
}
