// The Notes tree: one node per page with annotations, master pages first, one leaf per annotation in
// its page's list order, labelled and iconned by the node filler, rebuilt as commands are done, undone
// and redone.
#include <gtest/gtest.h>

#include "CoreFixture.h"
#include "INotesAnnotation.h"
#include "NotesID.h"
#include "NotesPanelFixture.h"
#include "QuillpaneID.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IStringData.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/UIDNodeID.h"

using namespace NotesPanelFixture;
using Lines = std::vector<std::string>;

namespace {
ErrorCode SaveContent(IDataBase* db, UID note, const std::string& text) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesSaveNoteContentCmdBoss));
    InterfacePtr<IStringData> stringData(cmd, IID_ISTRINGDATA);
    stringData->Set(PMString(text.c_str()));
    cmd->SetItemList(UIDList(UIDRef(db, note)));
    return CmdUtils::ProcessCommand(cmd);
}
} // namespace

TEST_F(NotesPanelTest, ADocumentWithoutAnnotationsShowsAnEmptyTree) {
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(Tree()->CountNodes(), 1) << "only the document's root";
}

TEST_F(NotesPanelTest, MasterPagesComeBeforeTheDocumentPagesAndEmptyPagesAreLeftOut) {
    NoteOnPage(3, "on page four");
    NoteOnPage(0, "on page one");
    NoteOnMasterPage(2, "on master B");
    NoteOnMasterPage(1, "on the right page of master A");
    EXPECT_EQ(Rows(), (Lines{"A-Master 2", "  on the right page of master A", "B-Master 1", "  on master B",
                             "Page 1", "  on page one", "Page 4", "  on page four"}));
}

TEST_F(NotesPanelTest, NotesOfAPageFollowItsListOrder) {
    NoteOnPage(1, "first");
    NoteOnPage(1, "second");
    NoteOnPage(1, "third");
    EXPECT_EQ(Rows(), (Lines{"Page 2", "  first", "  second", "  third"}));
}

TEST_F(NotesPanelTest, ANoteIsLabelledWithItsFirstLineCutToThirtyCharacters) {
    NoteOnPage(0, "Two lines\rthe second is not shown");
    NoteOnPage(0, "1234567890123456789012345678901");     // 31 characters
    NoteOnPage(0, "123456789012345678901234567890");      // exactly 30
    NoteOnPage(0, "\rstarts with a return, shown whole"); // the return is no line end at position 0
    NoteOnPage(0, "");
    EXPECT_EQ(Rows(),
              (Lines{"Page 1", "  Two lines", "  123456789012345678901234567890 ...",
                     "  123456789012345678901234567890", "  \rstarts with a return, shown w ...", "  "}));
}

TEST_F(NotesPanelTest, ALongLabelIsNeverCutInsideACharacterOfTwoCodeUnits) {
    // 29 letters, then a character outside the basic plane (two UTF-16 code units), then more.
    NoteOnPage(0, "12345678901234567890123456789\xF0\x9F\x93\x9D and more");
    EXPECT_EQ(Rows(), (Lines{"Page 1", "  12345678901234567890123456789 ..."}));
}

TEST_F(NotesPanelTest, AnAnnotationNodeShowsTheIconOfItsKindAndNoExpander) {
    const UID note = NoteOnPage(0, "note");
    EXPECT_EQ(IconOf(UIDRef(db, note)), kNotesUIStickyNoteIconRsrcID);
    EXPECT_EQ(IconOf(UIDRef(db, Page(0))), 0);
    InterfacePtr<IControlView> widget(Tree()->QueryWidgetFromNode(UIDNodeID::Create(db, note)));
    InterfacePtr<IPanelControlData> panel(widget, IID_IPANELCONTROLDATA);
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->FindWidget(kTreeNodeExpanderWidgetID)->IsVisible());
}

TEST_F(NotesPanelTest, TheTreeFollowsUndoAndRedo) {
    NoteOnPage(0, "kept");
    NoteOnPage(2, "undone");
    ASSERT_EQ(Rows(), (Lines{"Page 1", "  kept", "Page 3", "  undone"}));
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(Rows(), (Lines{"Page 1", "  kept"}));
    ASSERT_EQ(db->GetUndoHistory().Redo(), kSuccess);
    EXPECT_EQ(Rows(), (Lines{"Page 1", "  kept", "Page 3", "  undone"}));
}

TEST_F(NotesPanelTest, ANewNoteTextRelabelsItsNode) {
    const UID note = NoteOnPage(0, "old text");
    ASSERT_EQ(SaveContent(db, note, "new text"), kSuccess);
    EXPECT_EQ(Rows(), (Lines{"Page 1", "  new text"}));
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(Rows(), (Lines{"Page 1", "  old text"}));
}

TEST_F(NotesPanelTest, AHiddenPanelIsRebuiltWhenShownAgain) {
    HidePanel();
    NoteOnPage(0, "made while hidden");
    ShowPanelFor(document);
    EXPECT_EQ(Rows(), (Lines{"Page 1", "  made while hidden"}));
}

TEST_F(NotesPanelTest, ADeletedNoteLeavesTheTreeAndTheSelectionAndComesBackWithUndo) {
    NoteOnPage(0, "stays");
    const UID gone = NoteOnPage(0, "goes");
    InterfacePtr<INotesAnnotation> record(UIDRef(db, gone), IID_INOTESANNOTATION);
    record->ShowPopup();
    Controller()->Select(UIDNodeID::Create(db, gone));
    InterfacePtr<ICommand> deleteCmd(CmdUtils::CreateCommand(kDeleteCmdBoss));
    deleteCmd->SetItemList(UIDList(UIDRef(db, gone)));
    ASSERT_EQ(CmdUtils::ProcessCommand(deleteCmd), kSuccess);
    EXPECT_EQ(Rows(), (Lines{"Page 1", "  stays"}));
    NodeIDList selected;
    Controller()->GetSelectedItems(selected);
    EXPECT_TRUE(selected.empty());
    EXPECT_EQ(TextOf(kNotesUINoteEditBoxWidgetID), "");
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(Rows(), (Lines{"Page 1", "  stays", "  goes"}));
}

TEST_F(NotesPanelTest, ClosingTheShownDocumentLeavesThePanelWorkingForTheNextFrontDocument) {
    NoteOnPage(0, "in the first document");
    IDocument* second = CoreFixture::BuildThreeSpreadDocument();
    ASSERT_NE(second, nullptr);
    HidePanel();
    ShowPanelFor(second);
    EXPECT_TRUE(Rows().empty()) << "the second document has no notes";
    CoreFixture::Close(second);
    DocumentManager::Instance().SetFrontDocument(document);
    NoteOnPage(1, "after the close");
    EXPECT_EQ(Rows(), (Lines{"Page 1", "  in the first document", "Page 2", "  after the close"}));
}
