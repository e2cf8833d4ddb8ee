// Popups: a note's popup opens as a text frame showing the note's text where the note's points
// say, each annotation refers to its popup and the popup to its owner; hiding keeps where the
// user left it; show and hide are one undo step each; popups are not annotations of the page.
#include <gtest/gtest.h>

#include "../fixtures/AnnotationLayerDocument.h"
#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "INotesAnnotationList.h"
#include "INotesAnnotsManager.h"
#include "INotesLayerManager.h"
#include "INotesPopupOptions.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/IGeometry.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/ISwatchList.h"
#include "host/document/ITransform.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IShape.h"
#include "host/graphics/RecordingGraphicsPort.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IGraphicFrameData.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextInset.h"
#include "host/text/ITextModel.h"

using namespace CoreFixture;

namespace {
class PopupTest : public AnnotationLayerDocument {
protected:
    // A sticky note on page 1 whose popup rectangle is 100 x 80 beside the page's left edge.
    UID MakeNote(const char* content) {
        const PMRect page = PageBounds(1);
        popupRect = PMRect(page.Left() - 120, page.Top() + 40, page.Left() - 20, page.Top() + 120);
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesCreateStickyNoteCmdBoss));
        InterfacePtr<INotesAnnotation> record(cmd, IID_INOTESANNOTATION);
        record->Set(INotesAnnotation::kStickyNoteAnnotation, {popupRect.LeftTop(), popupRect.RightBottom()},
                    black, kTrue, PMString(content), PMString("Ana"),
                    IDTime::FromCalendar(2024, 3, 4, 5, 6, 7));
        cmd->SetItemList(UIDList(UIDRef(db, manager->GetAnnotationSpreadLayer(1))));
        if (CmdUtils::ProcessCommand(cmd) != kSuccess || cmd->GetItemList()->Length() != 1)
            return kInvalidUID;
        return cmd->GetItemList()->At(0);
    }
    ErrorCode Process(ClassID commandClass, UID annotation) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(commandClass));
        cmd->SetItemList(UIDList(UIDRef(db, annotation)));
        return CmdUtils::ProcessCommand(cmd);
    }
    UID PopupOf(UID annotation) {
        InterfacePtr<IUIDData> reference(UIDRef(db, annotation), IID_INOTESANNOTATIONREFERENCE);
        return reference->GetUID();
    }
    PMRect BoundsOf(UID item) {
        InterfacePtr<IGeometry> geometry(UIDRef(db, item), IID_IGEOMETRY);
        InterfacePtr<ITransform> transform(UIDRef(db, item), IID_ITRANSFORM);
        PMRect bounds = geometry->GetPathBoundingBox();
        transform->TransformInnerRectToPasteboard(&bounds);
        return bounds;
    }
    std::u16string TextOf(UID frame) {
        InterfacePtr<IGraphicFrameData> frameData(UIDRef(db, frame), IID_IGRAPHICFRAMEDATA);
        InterfacePtr<IMultiColumnTextFrame> text(UIDRef(db, frameData->GetTextContentUID()),
                                                 IID_IMULTICOLUMNTEXTFRAME);
        InterfacePtr<ITextModel> model(UIDRef(db, text->GetTextModelUID()), IID_ITEXTMODEL);
        return model->GetText(0, model->TotalLength() - 1).GetUTF16(); // before the story's final return
    }
    static void ExpectRect(const PMRect& actual, const PMRect& expected) {
        EXPECT_NEAR(actual.Left(), expected.Left(), 1e-6);
        EXPECT_NEAR(actual.Top(), expected.Top(), 1e-6);
        EXPECT_NEAR(actual.Right(), expected.Right(), 1e-6);
        EXPECT_NEAR(actual.Bottom(), expected.Bottom(), 1e-6);
    }

    PMRect popupRect;
};

TEST_F(PopupTest, ShowingOpensAFrameWithTheNotesTextAtItsPointsLinkedBothWays) {
    const UID note = MakeNote("check this");
    ASSERT_NE(note, kInvalidUID);
    ASSERT_EQ(Process(kNotesShowPopupCmdBoss, note), kSuccess);
    const UID popup = PopupOf(note);
    ASSERT_TRUE(db->IsValidUID(popup));
    EXPECT_EQ(db->GetClass(popup), kNotesPopupAnnotationBoss);
    EXPECT_EQ(PopupOf(popup), note);
    ExpectRect(BoundsOf(popup), popupRect);
    EXPECT_EQ(TextOf(popup), u"check this");
    InterfacePtr<INotesAnnotation> record(UIDRef(db, popup), IID_INOTESANNOTATION);
    InterfacePtr<ITextInset> inset(UIDRef(db, popup), IID_ITEXTINSET);
    EXPECT_EQ(inset->GetInset().Left(), 5.0);
    EXPECT_EQ(inset->GetInset().Bottom(), 5.0);
    EXPECT_EQ(
        Utils<IGraphicAttributeUtils>()->GetAttribute(record, kGraphicStyleFillRenderingAttrBoss).swatch,
        black);
    EXPECT_EQ(record->GetType(), INotesAnnotation::kPopupAnnotation);
    EXPECT_FALSE(record->CanShowPopup());

    // Shown already: a second show makes nothing new.
    const size_t before = db->GetAllUIDs().size();
    ASSERT_EQ(Process(kNotesShowPopupCmdBoss, note), kSuccess);
    EXPECT_EQ(PopupOf(note), popup);
    EXPECT_EQ(db->GetAllUIDs().size(), before);
}

TEST_F(PopupTest, APopupIsNotListedAsAnAnnotationOfItsPage) {
    const UID note = MakeNote("listed once");
    ASSERT_EQ(Process(kNotesShowPopupCmdBoss, note), kSuccess);
    InterfacePtr<IPageList> pages(doc, IID_IPAGELIST);
    InterfacePtr<INotesAnnotationList> list(UIDRef(db, pages->GetNthPageUID(1)), IID_INOTESANNOTATIONLIST);
    list->Invalidate();
    const UIDList listed = list->GetAnnotations();
    EXPECT_TRUE(listed.Contains(note));
    EXPECT_FALSE(listed.Contains(PopupOf(note)));
}

TEST_F(PopupTest, AMovedPopupHiddenAndShownAgainOpensWhereTheUserLeftIt) {
    const UID note = MakeNote("moved");
    ASSERT_EQ(Process(kNotesShowPopupCmdBoss, note), kSuccess);
    const UID popup = PopupOf(note);
    const PMRect moved(popupRect.Left() - 30, popupRect.Top() + 200, popupRect.Right() + 10,
                       popupRect.Bottom() + 260);
    {
        db->BeginTransaction();
        InterfacePtr<IGeometry> geometry(UIDRef(db, popup), IID_IGEOMETRY);
        InterfacePtr<ITransform> transform(UIDRef(db, popup), IID_ITRANSFORM);
        PMRect inner = moved;
        transform->TransformPasteboardRectToInner(&inner);
        ASSERT_EQ(geometry->SetPathBoundingBox(inner), kSuccess);
        db->EndTransaction();
    }
    ASSERT_EQ(Process(kNotesHidePopupCmdBoss, note), kSuccess);
    EXPECT_FALSE(db->IsValidUID(popup));
    EXPECT_EQ(PopupOf(note), kInvalidUID);
    InterfacePtr<INotesAnnotation> record(UIDRef(db, note), IID_INOTESANNOTATION);
    ASSERT_EQ(record->GetPoints().size(), 2u);
    ExpectRect(PMRect(record->GetPoints()[0], record->GetPoints()[1]), moved);
    EXPECT_EQ(record->GetContent().GetUTF8String(), "moved");

    ASSERT_EQ(Process(kNotesShowPopupCmdBoss, note), kSuccess);
    ExpectRect(BoundsOf(PopupOf(note)), moved);
}

TEST_F(PopupTest, ShowAndHideAreOneUndoStepEach) {
    const UID note = MakeNote("undo");
    ASSERT_EQ(Process(kNotesShowPopupCmdBoss, note), kSuccess);
    const UID popup = PopupOf(note);
    ASSERT_EQ(db->GetUndoHistory().GetUndoName().GetUTF8String(), "Show Popup");
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_FALSE(db->IsValidUID(popup));
    EXPECT_EQ(PopupOf(note), kInvalidUID);

    ASSERT_EQ(Process(kNotesShowPopupCmdBoss, note), kSuccess);
    const UID again = PopupOf(note);
    ASSERT_EQ(Process(kNotesHidePopupCmdBoss, note), kSuccess);
    ASSERT_EQ(db->GetUndoHistory().GetUndoName().GetUTF8String(), "Hide Popup");
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_TRUE(db->IsValidUID(again));
    EXPECT_EQ(PopupOf(note), again);
}

TEST_F(PopupTest, TheManagerOpensAndClosesEveryPopupAndAnEmptyNoteOpensAnEmptyFrame) {
    const UID first = MakeNote("");
    const UID second = MakeNote("two");
    manager->ShowAllPopups(kTrue);
    ASSERT_TRUE(db->IsValidUID(PopupOf(first)));
    ASSERT_TRUE(db->IsValidUID(PopupOf(second)));
    EXPECT_EQ(TextOf(PopupOf(first)), u"");
    const UID popup = PopupOf(second);
    manager->HideAllPopups(kTrue);
    EXPECT_EQ(PopupOf(first), kInvalidUID);
    EXPECT_FALSE(db->IsValidUID(popup));
}

TEST_F(PopupTest, ACommandWithoutAnnotationsFailsAndAPopupWithoutPointsIsNotMade) {
    InterfacePtr<ICommand> show(CmdUtils::CreateCommand(kNotesShowPopupCmdBoss));
    show->SetItemList(UIDList(db));
    EXPECT_NE(CmdUtils::ProcessCommand(show), kSuccess);
    InterfacePtr<ICommand> create(CmdUtils::CreateCommand(kNotesCreatePopupAnnotationCmdBoss));
    create->SetItemList(UIDList(UIDRef(db, manager->GetAnnotationSpreadLayer(1))));
    const size_t before = db->GetAllUIDs().size();
    EXPECT_NE(CmdUtils::ProcessCommand(create), kSuccess);
    EXPECT_EQ(db->GetAllUIDs().size(), before);
}

TEST_F(PopupTest, APopupIsDrawnWithItsTextOnScreenAndNotWhenPrintingOrExporting) {
    const UID note = MakeNote("drawn");
    ASSERT_EQ(Process(kNotesShowPopupCmdBoss, note), kSuccess);
    InterfacePtr<IShape> shape(UIDRef(db, PopupOf(note)), IID_ISHAPE);
    ASSERT_TRUE(shape);
    RecordingGraphicsPort port;
    GraphicsData data(&port, db);
    shape->Draw(&data, IShape::kDrawNormal);
    EXPECT_FALSE(port.Find("fill").empty()) << "the frame in the note's colour";
    EXPECT_FALSE(port.Find("stroke").empty());
    for (int32 flags : {0x200, 0x1000}) {
        RecordingGraphicsPort printing;
        GraphicsData printData(&printing, db);
        shape->Draw(&printData, flags);
        EXPECT_TRUE(printing.GetOperations().empty()) << flags;
    }
}

TEST(PopupOptionsTest, TheApplicationWideModeStartsAsLeaveAloneAndKeepsWhatIsSet) {
    RegisterPlugIns();
    InterfacePtr<INotesPopupOptions> options(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->GetMode(), INotesPopupOptions::kLeaveAlone);
    options->SetMode(INotesPopupOptions::kShowAll);
    InterfacePtr<INotesPopupOptions> again(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
    EXPECT_EQ(again->GetMode(), INotesPopupOptions::kShowAll);
    again->SetMode(INotesPopupOptions::kLeaveAlone);
}
} // namespace
