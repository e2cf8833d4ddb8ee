// The Notes panel's actions, buttons and note box through the UI toolkit, on a document with a
// story: the markup actions follow the text selection, exactly one popup mode shows as checked,
// typing saves the note at each key that changes it and one undo takes a whole reply away, line
// ends are stored as carriage returns, the accept button moves on to the next text edit when
// jump-to-next is on, a click in the layout makes a note while create-note is on, a right click
// pops up the tree's context menu, and saving clears the annotation selection.
#include <gtest/gtest.h>

#include "INotesAnnotation.h"
#include "INotesPopupOptions.h"
#include "INotesSelectionManager.h"
#include "NotesPanelFixture.h"
#include "NotesUITextControlData.h"
#include "QuillpaneID.h"
#include "TestSupport.h"
#include "TextMarkupFixture.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/ILayoutUtils.h"
#include "host/layout/ILayoutControlData.h"
#include "host/objectmodel/IBoolData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"
#include "host/ui/ActionManager.h"
#include "host/ui/IBooleanControlData.h"
#include "host/ui/IEvent.h"
#include "host/ui/IEventDispatcher.h"
#include "host/ui/IKeyBoard.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITriStateControlData.h"
#include "host/ui/UIDNodeID.h"

using namespace NotesPanelFixture;
using A = INotesAnnotation;

namespace {
constexpr ActionID kMarkText[] = {kNotesUINewHighlightActionID, kNotesUINewStrikeThroughActionID,
                                  kNotesUINewUnderlineActionID, kNotesUINewReplacementActionID};
constexpr ActionID kPopupModes[] = {kNotesUIShowAllPopupsActionID, kNotesUIHideAllPopupsActionID,
                                    kNotesUIShowSelectedPopupsActionID};

class NotesPanelActionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(doc.DB(), nullptr);
        body = doc.Story("s");
        ShowPanelFor(doc.Document());
        selection = InterfacePtr<ISelectionManager>(DocumentManager::Instance().GetLayoutView(doc.Document()),
                                                    IID_ISELECTIONMANAGER);
        SetJumpToNext(false);
    }
    void TearDown() override {
        Controller()->DeselectAll(kFalse);
        SetJumpToNext(false);
        HidePanel();
    }

    static bool Enabled(ActionID id) {
        ActionManager::Instance().UpdateActionStates({id});
        const ActionManager::Action* action = ActionManager::Instance().FindAction(id);
        return action && action->enabled && action->componentEnabled;
    }
    static bool Checked(ActionID id) {
        ActionManager::Instance().UpdateActionStates({id});
        return ActionManager::Instance().FindAction(id)->checked;
    }
    static void SetJumpToNext(bool on) {
        InterfacePtr<IBoolData> option(GetApplicationObject(), IID_INOTESUIJUMPTONEXTOPTION);
        ASSERT_TRUE(option);
        option->Set(on ? kTrue : kFalse);
    }
    void SelectText(const std::u16string& word, bool caretOnly = false) {
        const TextIndex at = doc.Find(body, word);
        const TextIndex end = caretOnly ? at : at + static_cast<TextIndex>(word.size());
        ASSERT_EQ(selection->SelectText(UIDRef(doc.DB(), body), RangeData(at, end)), kSuccess);
    }
    static void Dispatch(IEvent::EventType type, IPMUnknown* target, const PMPoint& where = PMPoint()) {
        InterfacePtr<IEventDispatcher> dispatcher(GetApplicationObject(), IID_IEVENTDISPATCHER);
        IEvent event(type, where);
        dispatcher->DispatchEvent(&event, target);
    }
    // Types into the note box as a front end does: the box's text changes, then the key is released.
    static void Type(const std::string& keys) {
        InterfacePtr<ITextControlData> box(Widget(kNotesUINoteEditBoxWidgetID), IID_ITEXTCONTROLDATA);
        for (char key : keys) {
            PMString text((box->GetString().GetUTF8String() + key).c_str());
            text.SetTranslatable(kFalse);
            box->SetString(text);
            Dispatch(IEvent::kKeyUp, Widget(kNotesUINoteEditBoxWidgetID));
        }
    }
    static void KeyUpOnly() { Dispatch(IEvent::kKeyUp, Widget(kNotesUINoteEditBoxWidgetID)); }
    UID SelectedNode() const {
        NodeIDList selected;
        Controller()->GetSelectedItems(selected);
        return selected.size() == 1 ? TreeNodePtr<UIDNodeID>(selected.front())->GetUID() : kInvalidUID;
    }
    void SelectNode(UID uid) {
        Tree()->ScrollToNode(UIDNodeID::Create(doc.DB(), uid));
        Controller()->Select(UIDNodeID::Create(doc.DB(), uid));
    }
    PMString Content(UID uid) const {
        InterfacePtr<INotesAnnotation> annotation(UIDRef(doc.DB(), uid), IID_INOTESANNOTATION);
        return annotation ? annotation->GetContent() : PMString("<gone>");
    }
    int32 Steps() const { return doc.DB()->GetUndoHistory().CountUndoSteps(); }
    // A new sticky note from the panel menu: it lands on the page the view shows, selected.
    UID NewStickyNote() {
        EXPECT_EQ(ActionManager::Instance().DoAction(kNotesUINewStickyNoteActionID), kSuccess);
        return SelectedNode();
    }
    static void Click(WidgetID button) {
        InterfacePtr<IBooleanControlData> click(Widget(button), IID_IBOOLEANCONTROLDATA);
        click->Select();
    }

    // Both plug-ins are registered before the document is made, as the host loads them at start-up:
    // a document gets the plug-ins' add-ins when it is made.
    struct PlugInsFirst {
        PlugInsFirst() { RegisterPlugIns(); }
    } plugInsFirst;
    TextMarkupFixture::MarkupDocument doc;
    UID body = kInvalidUID;
    InterfacePtr<ISelectionManager> selection;
};
} // namespace

TEST_F(NotesPanelActionsTest, TheMarkupActionsFollowTheTextSelection) {
    SelectText(u"lazy", true);
    EXPECT_TRUE(Enabled(kNotesUINewInsertionActionID)) << "an insertion point takes an insertion";
    for (ActionID id : kMarkText)
        EXPECT_FALSE(Enabled(id)) << std::hex << id;
    SelectText(u"lazy");
    EXPECT_FALSE(Enabled(kNotesUINewInsertionActionID));
    for (ActionID id : kMarkText)
        EXPECT_TRUE(Enabled(id)) << std::hex << id;
    EXPECT_FALSE(Enabled(kNotesUIRemoveTextMarkupsActionID)) << "lazy carries no markup yet";
    EXPECT_FALSE(Enabled(kNotesUIAcceptSelectedTextActionID));
    EXPECT_FALSE(Enabled(0x169316)) << "the reserved actions never run";
}

TEST_F(NotesPanelActionsTest, ANewMarkupFromTheMenuIsShownSelectedWithTheFocusInTheNoteBox) {
    SelectText(u"lazy");
    const int32 steps = Steps();
    ASSERT_EQ(ActionManager::Instance().DoAction(kNotesUINewStrikeThroughActionID), kSuccess);
    const UID strike = SelectedNode();
    InterfacePtr<INotesAnnotation> annotation(UIDRef(doc.DB(), strike), IID_INOTESANNOTATION);
    ASSERT_TRUE(annotation);
    EXPECT_EQ(annotation->GetType(), A::kStrikethroughAnnotation);
    EXPECT_EQ(doc.Marked(strike), u"lazy");
    InterfacePtr<IKeyBoard> keyBoard(GetApplicationObject(), IID_IKEYBOARD);
    EXPECT_EQ(keyBoard->GetKeyFocus(), Widget(kNotesUINoteEditBoxWidgetID));
    EXPECT_EQ(Steps(), steps + 1);

    SelectText(u"lazy");
    EXPECT_TRUE(Enabled(kNotesUIRemoveTextMarkupsActionID));
    EXPECT_TRUE(Enabled(kNotesUIAcceptSelectedTextActionID)) << "a strike-through is a text edit";
    ASSERT_EQ(ActionManager::Instance().DoAction(kNotesUIAcceptSelectedTextActionID), kSuccess);
    EXPECT_EQ(doc.Text(body).find(u"lazy"), std::u16string::npos);
    EXPECT_FALSE(doc.DB()->IsValidUID(strike));
}

TEST_F(NotesPanelActionsTest, ExactlyOnePopupModeShowsAsChecked) {
    InterfacePtr<INotesPopupOptions> options(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
    const int32 before = options->GetMode();
    for (ActionID chosen : kPopupModes) {
        ASSERT_EQ(ActionManager::Instance().DoAction(chosen), kSuccess);
        for (ActionID id : kPopupModes)
            EXPECT_EQ(Checked(id), id == chosen) << std::hex << chosen << " chosen, " << id << " asked";
    }
    EXPECT_EQ(options->GetMode(), INotesPopupOptions::kShowSelected);
    options->SetMode(before);
}

TEST_F(NotesPanelActionsTest, TypingSavesTheNoteAtEachChangingKeyAndOneUndoTakesTheReplyAway) {
    const UID note = NewStickyNote();
    ASSERT_NE(note, kInvalidUID);
    const int32 steps = Steps();
    Type("abc");
    EXPECT_EQ(Content(note), PMString("abc"));
    EXPECT_EQ(Steps(), steps + 1) << "three saves, one undo step";
    KeyUpOnly();
    EXPECT_EQ(Steps(), steps + 1) << "a key that changes nothing saves nothing";

    SelectText(u"lazy");
    ASSERT_EQ(ActionManager::Instance().DoAction(kNotesUINewHighlightActionID), kSuccess);
    SelectNode(note);
    Type("d");
    EXPECT_EQ(Steps(), steps + 3) << "typing after another change is a step of its own";

    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(Content(note), PMString("abc"));
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(Content(note), PMString("")) << "the whole first reply goes with one undo";
}

TEST_F(NotesPanelActionsTest, ANoteOfTwoLinesShowsTwoLinesInTheBoxAndKeepsOneCarriageReturn) {
    const UID note = NewStickyNote();
    Type("one\r\ntwo");
    EXPECT_EQ(Content(note), PMString("one\rtwo"));
    EXPECT_EQ(TextOf(kNotesUINoteEditBoxWidgetID), "one\r\ntwo");
    EXPECT_EQ(NotesUITextControlData::ToNoteText("a\nb\r\nc"), "a\rb\rc") << "a bare line feed is a line end";
    EXPECT_EQ(NotesUITextControlData::ToBoxText("a\rb"), "a\r\nb");
    EXPECT_EQ(NotesUITextControlData::ToBoxText("a\nb\r\nc"), "a\r\nb\r\nc")
        << "another tool's line feeds are lines too";
}

TEST_F(NotesPanelActionsTest, TheAcceptButtonMovesOnToTheNextTextEditWhenJumpToNextIsOn) {
    const TextIndex quick = doc.Find(body, u"quick");
    const TextIndex lazy = doc.Find(body, u"lazy");
    const UID first = doc.Mark(body, RangeData(quick, quick + 5), A::kStrikethroughAnnotation);
    const UID second = doc.Mark(body, RangeData(lazy, lazy + 4), A::kStrikethroughAnnotation);
    Tree()->ChangeRoot();
    SelectNode(first);
    ASSERT_TRUE(Widget(kNotesUIAcceptIconWidgetID)->IsEnabled());
    ASSERT_EQ(ActionManager::Instance().DoAction(kNotesUIJumpToNextActionID), kSuccess);
    EXPECT_TRUE(Checked(kNotesUIJumpToNextActionID));
    Click(kNotesUIAcceptIconWidgetID);
    EXPECT_FALSE(doc.DB()->IsValidUID(first));
    EXPECT_EQ(doc.Text(body).find(u"quick"), std::u16string::npos);
    EXPECT_EQ(SelectedNode(), second) << "the next text edit is selected";

    SetJumpToNext(false);
    Click(kNotesUIRejectIconWidgetID);
    EXPECT_FALSE(doc.DB()->IsValidUID(second));
    EXPECT_NE(doc.Text(body).find(u"lazy"), std::u16string::npos) << "a rejected edit leaves the text";
    EXPECT_EQ(SelectedNode(), kInvalidUID);
}

TEST_F(NotesPanelActionsTest, TheRemoveButtonDeletesTheSelectedNote) {
    const UID note = NewStickyNote();
    Click(kNotesUIRemoveIconWidgetID);
    EXPECT_FALSE(doc.DB()->IsValidUID(note));
    EXPECT_FALSE(Widget(kNotesUIRemoveIconWidgetID)->IsEnabled());
}

TEST_F(NotesPanelActionsTest, WhileCreateNoteIsOnAClickInTheLayoutMakesANoteThere) {
    InterfacePtr<ITriStateControlData> createNote(Widget(kNotesUICreateNoteWidgetID),
                                                  IID_ITRISTATECONTROLDATA);
    IPMUnknown* view = DocumentManager::Instance().GetLayoutView(doc.Document());
    InterfacePtr<ILayoutControlData> layout(view, IID_ILAYOUTCONTROLDATA);
    const PMRect page = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(layout->GetPageRef());
    const PMPoint where(page.Left() + 100, page.Top() + 200);
    Dispatch(IEvent::kLButtonDn, view, where);
    CmdUtils::ProcessScheduledCmds();
    EXPECT_EQ(SelectedNode(), kInvalidUID) << "with the toggle off a click makes nothing";

    createNote->Select();
    Dispatch(IEvent::kLButtonDn, Widget(kNotesUIAuthorWidgetID), where);
    CmdUtils::ProcessScheduledCmds();
    EXPECT_EQ(SelectedNode(), kInvalidUID) << "a click on the panel is no click in the layout";
    Dispatch(IEvent::kLButtonDn, view, where);
    CmdUtils::ProcessScheduledCmds();
    const UID note = SelectedNode();
    ASSERT_NE(note, kInvalidUID);
    InterfacePtr<INotesAnnotation> annotation(UIDRef(doc.DB(), note), IID_INOTESANNOTATION);
    EXPECT_EQ(annotation->GetType(), A::kStickyNoteAnnotation);
    EXPECT_FALSE(createNote->IsSelected()) << "the toggle goes off after one note";
}

TEST_F(NotesPanelActionsTest, ARightClickOnANodePopsUpTheTreeContextMenu) {
    const UID first = NewStickyNote();
    const UID second = NewStickyNote();
    InterfacePtr<IControlView> row(Tree()->QueryWidgetFromNode(UIDNodeID::Create(doc.DB(), first)));
    InterfacePtr<IPanelControlData> rowPanel(row, IID_IPANELCONTROLDATA);
    Dispatch(IEvent::kRButtonDn, rowPanel->FindWidget(kNotesUINodeLabelWidgetID));
    const ActionManager::ContextMenu* menu = ActionManager::Instance().GetShownContextMenu();
    ASSERT_NE(menu, nullptr);
    std::vector<std::string> shown;
    for (const auto& entry : menu->entries)
        shown.push_back(entry.text + (entry.enabled ? "" : " (disabled)"));
    EXPECT_EQ(shown, (std::vector<std::string>{"Accept (disabled)", "Reject (disabled)", "Select in Document",
                                               "- (disabled)", "Previous Note", "Next Note"}));
    EXPECT_EQ(SelectedNode(), first) << "the right click selected its node";
    ASSERT_EQ(ActionManager::Instance().ChooseContextMenuEntry(5), kSuccess);
    EXPECT_EQ(SelectedNode(), second);
}

TEST_F(NotesPanelActionsTest, SavingTheDocumentClearsTheAnnotationSelection) {
    NewStickyNote();
    InterfacePtr<INotesSelectionManager> notes(doc.Doc(), IID_INOTESSELECTIONMANAGER);
    ASSERT_EQ(notes->GetSelectedAnnotations().Length(), 1);
    const auto path = TestSupport::MakeTempDir("panel-actions") / "saved.phd";
    ASSERT_EQ(DocumentManager::Instance().SaveACopy(doc.Document(), path.string()), kSuccess);
    EXPECT_TRUE(notes->GetSelectedAnnotations().IsEmpty());
    EXPECT_EQ(SelectedNode(), kInvalidUID);
}
