// Through the host's layout selection: a selected sticky-note icon, or its popup, selects the note;
// the popup display mode decides which popups the selection shows; typing in a popup saves the
// note, brings the popup to the front and leaves the annotation selection alone, and one undo takes
// back the typing with the save.
#include <gtest/gtest.h>

#include "../fixtures/AnnotationLayerDocument.h"
#include "INotesAnnotation.h"
#include "INotesPopupOptions.h"
#include "INotesSelectionManager.h"
#include "INotesSelectionSuite.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/IHierarchy.h"
#include "host/objectmodel/IUIDData.h"
#include "host/selection/ISelectionManager.h"
#include "host/text/IGraphicFrameData.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextModelCmds.h"

using A = INotesAnnotation;

namespace {
class LayoutSelectionTest : public AnnotationLayerDocument {
protected:
    void SetUp() override {
        CoreFixture::ClearFailureLog();
        AnnotationLayerDocument::SetUp();
        selection = InterfacePtr<ISelectionManager>(DocumentManager::Instance().GetLayoutView(document),
                                                    IID_ISELECTIONMANAGER);
        ASSERT_TRUE(selection);
        popupOptions = InterfacePtr<INotesPopupOptions>(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
        ASSERT_TRUE(popupOptions);
        first = MakeNote("first", 40);
        second = MakeNote("second", 200);
        ASSERT_NE(first, kInvalidUID);
        ASSERT_NE(second, kInvalidUID);
    }
    void TearDown() override {
        popupOptions->SetMode(INotesPopupOptions::kLeaveAlone);
        selection.reset();
        AnnotationLayerDocument::TearDown();
    }
    UID MakeNote(const char* content, PMReal top) {
        const PMRect page = PageBounds(1);
        const PMRect popup(page.Left() - 120, page.Top() + top, page.Left() - 20, page.Top() + top + 80);
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesCreateStickyNoteCmdBoss));
        InterfacePtr<A> record(cmd, IID_INOTESANNOTATION);
        record->Set(A::kStickyNoteAnnotation, {popup.LeftTop(), popup.RightBottom()}, black, kTrue,
                    PMString(content), PMString("Ana"), IDTime());
        cmd->SetItemList(UIDList(UIDRef(db, manager->GetAnnotationSpreadLayer(1))));
        if (CmdUtils::ProcessCommand(cmd) != kSuccess || cmd->GetItemList()->Length() != 1)
            return kInvalidUID;
        return cmd->GetItemList()->At(0);
    }
    void ShowPopup(UID note) {
        InterfacePtr<ICommand> show(CmdUtils::CreateCommand(kNotesShowPopupCmdBoss));
        show->SetItemList(UIDList(UIDRef(db, note)));
        ASSERT_EQ(CmdUtils::ProcessCommand(show), kSuccess);
    }
    bool Shown(UID note) { return InterfacePtr<A>(UIDRef(db, note), IID_INOTESANNOTATION)->IsPopupShown(); }
    UID PopupOf(UID note) {
        return InterfacePtr<IUIDData>(UIDRef(db, note), IID_INOTESANNOTATIONREFERENCE)->GetUID();
    }
    UIDRef PopupStory(UID popup) {
        InterfacePtr<IGraphicFrameData> frameData(UIDRef(db, popup), IID_IGRAPHICFRAMEDATA);
        InterfacePtr<IMultiColumnTextFrame> text(UIDRef(db, frameData->GetTextContentUID()),
                                                 IID_IMULTICOLUMNTEXTFRAME);
        return UIDRef(db, text->GetTextModelUID());
    }
    void SelectItem(UID item) { ASSERT_EQ(selection->SelectPageItems(UIDList(UIDRef(db, item))), kSuccess); }
    UIDList SelectedNotes() {
        return InterfacePtr<INotesSelectionManager>(doc, IID_INOTESSELECTIONMANAGER)
            ->GetSelectedAnnotations();
    }
    InterfacePtr<INotesSelectionSuite> LayoutSuite() {
        return InterfacePtr<INotesSelectionSuite>(
            static_cast<INotesSelectionSuite*>(selection->QueryIntegratorSuite(IID_INOTESSELECTIONSUITE)));
    }

    InterfacePtr<ISelectionManager> selection;
    InterfacePtr<INotesPopupOptions> popupOptions;
    UID first = kInvalidUID, second = kInvalidUID;
};

TEST_F(LayoutSelectionTest, AnIconOrItsPopupSelectsTheNote) {
    SelectItem(first);
    EXPECT_TRUE(LayoutSuite()->HasAnnotations());
    EXPECT_EQ(SelectedNotes().GetUIDs(), std::vector<UID>{first});

    ShowPopup(second);
    ASSERT_NE(PopupOf(second), kInvalidUID);
    ASSERT_EQ(
        selection->SelectPageItems(UIDList(UIDRef(db, PopupOf(second))), ISelectionManager::kAddToSelection),
        kSuccess);
    UIDList behind;
    ASSERT_EQ(LayoutSuite()->GetAnnotations(behind), kSuccess);
    EXPECT_EQ(behind.GetUIDs(), (std::vector<UID>{first, second})) << "a selected popup stands for its note";
    EXPECT_EQ(SelectedNotes().GetUIDs(), (std::vector<UID>{first, second}));
    EXPECT_EQ(CoreFixture::FailureLogText(), "");
}

TEST_F(LayoutSelectionTest, ThePopupModeDecidesWhichPopupsTheSelectionShows) {
    popupOptions->SetMode(INotesPopupOptions::kLeaveAlone);
    SelectItem(first);
    EXPECT_FALSE(Shown(first)) << "mode 1 changes only the emphasis";
    EXPECT_FALSE(Shown(second));

    popupOptions->SetMode(INotesPopupOptions::kShowSelected);
    SelectItem(second);
    EXPECT_TRUE(Shown(second));
    EXPECT_FALSE(Shown(first));
    ASSERT_EQ(selection->SelectPageItems(UIDList(UIDRef(db, first)), ISelectionManager::kAddToSelection),
              kSuccess);
    EXPECT_TRUE(Shown(first));
    EXPECT_TRUE(Shown(second));
    selection->DeselectAll();
    EXPECT_FALSE(Shown(first)) << "an empty selection hides every popup";
    EXPECT_FALSE(Shown(second));

    popupOptions->SetMode(INotesPopupOptions::kShowAll);
    SelectItem(first);
    EXPECT_TRUE(Shown(first));
    EXPECT_TRUE(Shown(second));
}

TEST_F(LayoutSelectionTest, SettingTheSameSelectionTwiceChangesNothing) {
    popupOptions->SetMode(INotesPopupOptions::kShowSelected);
    InterfacePtr<INotesSelectionManager> notes(doc, IID_INOTESSELECTIONMANAGER);
    notes->SetSelectedAnnotations(UIDList(UIDRef(db, first)));
    ASSERT_TRUE(Shown(first));
    InterfacePtr<A>(UIDRef(db, first), IID_INOTESANNOTATION)->HidePopup();
    notes->SetSelectedAnnotations(UIDList(UIDRef(db, first)));
    EXPECT_FALSE(Shown(first)) << "an equal list is ignored";
    notes->ClearSelectedAnnotations();
    EXPECT_TRUE(notes->GetSelectedAnnotations().IsEmpty());
}

TEST_F(LayoutSelectionTest, TypingInAPopupSavesTheNoteBringsItForwardAndOneUndoTakesBothBack) {
    SelectItem(first);
    ShowPopup(first);
    ShowPopup(second); // drawn over the first one's
    const UID popup = PopupOf(first);
    const UIDRef story = PopupStory(popup);
    const int32 steps = db->GetUndoHistory().CountUndoSteps();

    InterfacePtr<ITextModelCmds> modelCmds(story, IID_ITEXTMODELCMDS);
    ASSERT_EQ(
        CmdUtils::ProcessCommand(InterfacePtr<ICommand>(modelCmds->InsertCmd(5, WideString(u" reply")))),
        kSuccess);
    ASSERT_EQ(selection->SelectText(story, RangeData(11, 11)), kSuccess);
    EXPECT_EQ(InterfacePtr<A>(UIDRef(db, first), IID_INOTESANNOTATION)->GetContent().GetUTF16(),
              u"first reply");
    InterfacePtr<IHierarchy> layer(
        InterfacePtr<IHierarchy>(UIDRef(db, popup), IID_IHIERARCHY)->QueryParent());
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->GetChildUID(layer->GetChildCount() - 1), popup) << "the popup is in front";
    EXPECT_EQ(SelectedNotes().GetUIDs(), std::vector<UID>{first}) << "typing leaves the selection alone";
    EXPECT_EQ(db->GetUndoHistory().CountUndoSteps(), steps + 1);

    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(InterfacePtr<A>(UIDRef(db, first), IID_INOTESANNOTATION)->GetContent().GetUTF16(), u"first");
    EXPECT_EQ(CoreFixture::FailureLogText(), "");
}
} // namespace
