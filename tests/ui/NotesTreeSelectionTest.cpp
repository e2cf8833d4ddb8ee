// The tree's selection and the document's follow each other: selecting nodes sets the document's
// annotation selection and fills the panel's details and buttons; selecting annotations in the layout
// selects their nodes.
#include <gtest/gtest.h>

#include "NotesID.h"
#include "NotesPanelFixture.h"
#include "QuillpaneID.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/ILayoutUtils.h"
#include "host/layout/ILayoutControlData.h"
#include "host/objectmodel/IPointData.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"
#include "host/ui/IEvent.h"
#include "host/ui/IEventDispatcher.h"
#include "host/ui/IKeyBoard.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/IPanelMgr.h"
#include "host/ui/ITriStateControlData.h"
#include "host/ui/UIDNodeID.h"

using namespace NotesPanelFixture;

namespace {
bool Enabled(WidgetID id) {
    return Widget(id)->IsEnabled() != kFalse;
}

NodeIDList SelectedNodes() {
    NodeIDList nodes;
    Controller()->GetSelectedItems(nodes);
    return nodes;
}
} // namespace

TEST_F(NotesPanelTest, NothingSelectedOffersNothingToActOn) {
    NoteOnPage(0, "note");
    EXPECT_FALSE(Enabled(kNotesUINoteEditBoxWidgetID));
    EXPECT_FALSE(Enabled(kNotesUIAcceptIconWidgetID));
    EXPECT_FALSE(Enabled(kNotesUIRejectIconWidgetID));
    EXPECT_FALSE(Enabled(kNotesUIRemoveIconWidgetID));
}

TEST_F(NotesPanelTest, SelectingANoteSelectsItInTheDocumentAndShowsItsDetails) {
    NoteOnPage(0, "other");
    const UID note = NoteOnPage(2, "Check the figures\ragainst the ledger");
    SelectNode(note);
    EXPECT_EQ(SelectedAnnotations().GetUIDs(), std::vector<UID>{note});
    EXPECT_EQ(TextOf(kNotesUINoteEditBoxWidgetID), "Check the figures\r\nagainst the ledger")
        << "the box shows each stored carriage return as a line end";
    EXPECT_EQ(TextOf(kNotesUIAuthorWidgetID), "Ana");
    EXPECT_EQ(TextOf(kNotesUIDateWidgetID), "2024-03-04 05:06:07");
    EXPECT_TRUE(Enabled(kNotesUINoteEditBoxWidgetID));
    EXPECT_TRUE(Enabled(kNotesUIRemoveIconWidgetID));
    EXPECT_FALSE(Enabled(kNotesUIAcceptIconWidgetID)) << "a sticky note is no text edit";
    EXPECT_FALSE(Enabled(kNotesUIRejectIconWidgetID));
    EXPECT_TRUE(Tree()->IsNodeExpanded(UIDNodeID::Create(db, Page(2))));
}

TEST_F(NotesPanelTest, SelectingAPageNodeAloneClearsTheAnnotationSelectionAndTheDetails) {
    const UID note = NoteOnPage(0, "note");
    SelectNode(note);
    ASSERT_EQ(SelectedAnnotations().Length(), 1);
    Controller()->Select(UIDNodeID::Create(db, Page(0)));
    EXPECT_TRUE(SelectedAnnotations().IsEmpty());
    EXPECT_EQ(TextOf(kNotesUINoteEditBoxWidgetID), "");
    EXPECT_EQ(TextOf(kNotesUIAuthorWidgetID), "");
    EXPECT_EQ(TextOf(kNotesUIDateWidgetID), "");
    EXPECT_FALSE(Enabled(kNotesUIRemoveIconWidgetID));
    EXPECT_FALSE(Enabled(kNotesUINoteEditBoxWidgetID));
}

TEST_F(NotesPanelTest, SeveralSelectedNodesSelectTheirAnnotationsButShowNoDetails) {
    const UID first = NoteOnPage(0, "first");
    const UID second = NoteOnPage(3, "second");
    SelectNode(first);
    Controller()->Select(UIDNodeID::Create(db, Page(3)), kTrue, kTrue);
    Controller()->Select(UIDNodeID::Create(db, second), kTrue, kTrue);
    EXPECT_EQ(SelectedAnnotations().GetUIDs(), (std::vector<UID>{first, second}))
        << "pages are no annotations";
    EXPECT_EQ(TextOf(kNotesUINoteEditBoxWidgetID), "");
    EXPECT_FALSE(Enabled(kNotesUINoteEditBoxWidgetID));
    EXPECT_TRUE(Enabled(kNotesUIRemoveIconWidgetID));
    EXPECT_FALSE(Enabled(kNotesUIAcceptIconWidgetID)) << "no text edit among them";
}

TEST_F(NotesPanelTest, DeselectingEverythingClearsTheAnnotationSelection) {
    SelectNode(NoteOnPage(0, "note"));
    Controller()->DeselectAll();
    EXPECT_TRUE(SelectedAnnotations().IsEmpty());
    EXPECT_FALSE(Enabled(kNotesUIRemoveIconWidgetID));
}

TEST_F(NotesPanelTest, SelectingNotesInTheLayoutSelectsTheirNodesAndOpensTheirPages) {
    NoteOnPage(0, "not selected");
    const UID onPageTwo = NoteOnPage(1, "on page two");
    const UID onPageFive = NoteOnPage(4, "on page five");
    InterfacePtr<ISelectionManager> layout(DocumentManager::Instance().GetLayoutView(document),
                                           IID_ISELECTIONMANAGER);
    ASSERT_NE(layout, nullptr);
    UIDList items(db);
    items.Append(onPageTwo);
    ASSERT_EQ(layout->SelectPageItems(items), kSuccess);
    EXPECT_EQ(SelectedNodes(), NodeIDList{UIDNodeID::Create(db, onPageTwo)});
    EXPECT_TRUE(Tree()->IsNodeExpanded(UIDNodeID::Create(db, Page(1))));
    EXPECT_EQ(TextOf(kNotesUINoteEditBoxWidgetID), "on page two");

    items.Append(onPageFive);
    ASSERT_EQ(layout->SelectPageItems(items), kSuccess);
    EXPECT_EQ(SelectedNodes(),
              (NodeIDList{UIDNodeID::Create(db, onPageTwo), UIDNodeID::Create(db, onPageFive)}));
    EXPECT_EQ(SelectedAnnotations().Length(), 2);
}

TEST_F(NotesPanelTest, AnUndoneNoteLeavesTheTreeSelection) {
    const UID note = NoteOnPage(0, "note");
    SelectNode(note);
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_TRUE(SelectedNodes().empty());
    EXPECT_FALSE(Enabled(kNotesUIRemoveIconWidgetID));
}

TEST_F(NotesPanelTest, AnUndoneNoteTextShowsInTheBoxOfTheNoteThatStaysSelected) {
    const UID note = NoteOnPage(0, "before");
    SelectNode(note);
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesSaveNoteContentCmdBoss));
    InterfacePtr<IStringData> text(cmd, IID_ISTRINGDATA);
    text->Set(PMString("after"));
    cmd->SetItemList(UIDList(UIDRef(db, note)));
    ASSERT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    EXPECT_EQ(TextOf(kNotesUINoteEditBoxWidgetID), "after");
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(TextOf(kNotesUINoteEditBoxWidgetID), "before");
    EXPECT_EQ(SelectedNodes(), NodeIDList{UIDNodeID::Create(db, note)});
}

TEST_F(NotesPanelTest, DoubleClickingAPageNodeShowsThatPageInTheLayout) {
    const UID note = NoteOnPage(3, "note");
    InterfacePtr<ILayoutControlData> view(DocumentManager::Instance().GetLayoutView(document),
                                          IID_ILAYOUTCONTROLDATA);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->GetPage(), Page(3));
    InterfacePtr<IEventDispatcher> dispatcher(GetApplicationObject(), IID_IEVENTDISPATCHER);
    auto doubleClick = [&](UID uid) {
        InterfacePtr<IControlView> widget(Tree()->QueryWidgetFromNode(UIDNodeID::Create(db, uid)));
        InterfacePtr<IPanelControlData> panel(widget, IID_IPANELCONTROLDATA);
        IEvent event(IEvent::kDoubleClick);
        dispatcher->DispatchEvent(&event, panel->FindWidget(kNotesUINodeLabelWidgetID));
    };
    const bool wasOpen = Tree()->IsNodeExpanded(UIDNodeID::Create(db, Page(3)));
    doubleClick(Page(3));
    EXPECT_EQ(view->GetPage(), Page(3));
    EXPECT_NE(Tree()->IsNodeExpanded(UIDNodeID::Create(db, Page(3))), wasOpen)
        << "the tree's own handling too";
    NoteOnPage(0, "elsewhere");
    doubleClick(note);
    EXPECT_EQ(view->GetPage(), Page(3)) << "a note node is no page to show";
}

TEST_F(NotesPanelTest, ANewStickyNoteIsShownSelectedWithTheFocusInItsTextBox) {
    NoteOnPage(0, "older");
    HidePanel();
    InterfacePtr<ITriStateControlData> createNote(Widget(kNotesUICreateNoteWidgetID),
                                                  IID_ITRISTATECONTROLDATA);
    createNote->Select();
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesNewStickyNoteCmdBoss));
    InterfacePtr<IPointData> point(cmd, IID_IPOINTDATA);
    point->Set(Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(db, Page(2))).GetCenter());
    cmd->SetItemList(UIDList(UIDRef(db, db->GetRootUID())));
    ASSERT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    ASSERT_EQ(cmd->GetItemList()->Length(), 1);
    const UID note = cmd->GetItemList()->At(0);

    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    EXPECT_TRUE(panels->IsPanelWithWidgetIDShown(kNotesUIPanelWidgetID));
    EXPECT_EQ(SelectedNodes(), NodeIDList{UIDNodeID::Create(db, note)});
    EXPECT_TRUE(Tree()->IsNodeExpanded(UIDNodeID::Create(db, Page(2))));
    EXPECT_EQ(SelectedAnnotations().GetUIDs(), std::vector<UID>{note});
    InterfacePtr<IKeyBoard> keyBoard(GetApplicationObject(), IID_IKEYBOARD);
    EXPECT_EQ(keyBoard->GetKeyFocus(), Widget(kNotesUINoteEditBoxWidgetID));
    EXPECT_FALSE(createNote->IsSelected()) << "the create-note toggle goes off";
}
