// Sticky notes: made on the annotation layer of the page's spread from a full record, listed on
// their page (or the nearest page when on the pasteboard), drawn as a note icon except in print,
// deleted and cleared by the annotation commands, all undoable.
#include <gtest/gtest.h>

#include "../fixtures/AnnotationLayerDocument.h"
#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "INotesAnnotationLayout.h"
#include "INotesAnnotationList.h"
#include "INotesAnnotsManager.h"
#include "INotesLayerManager.h"
#include "INotesMasterPageList.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IItemLockData.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/ISwatchList.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IShape.h"
#include "host/graphics/RecordingGraphicsPort.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"

using namespace CoreFixture;

namespace {
class StickyNoteTest : public AnnotationLayerDocument {
protected:
    // Processes the create command on the annotation layer of a page; answers its result list.
    UIDList Create(int32 pageIndex, PMPointList points, const char* content = "note") {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesCreateStickyNoteCmdBoss));
        InterfacePtr<INotesAnnotation> record(cmd, IID_INOTESANNOTATION);
        record->Set(INotesAnnotation::kStickyNoteAnnotation, std::move(points), black, kTrue,
                    PMString(content), PMString("Ana"), IDTime::FromCalendar(2024, 3, 4, 5, 6, 7));
        cmd->SetItemList(UIDList(UIDRef(db, manager->GetAnnotationSpreadLayer(pageIndex))));
        if (CmdUtils::ProcessCommand(cmd) != kSuccess)
            return UIDList(db);
        return *cmd->GetItemList();
    }
    UID CreateAt(int32 pageIndex, PMPoint center) {
        const UIDList made = Create(pageIndex, {center - PMPoint(10, 10), center + PMPoint(10, 10)});
        return made.Length() == 1 ? made.At(0) : kInvalidUID;
    }
    UIDList Listed(int32 pageIndex) {
        InterfacePtr<INotesAnnotationList> list(UIDRef(db, Page(pageIndex)), IID_INOTESANNOTATIONLIST);
        return list->GetAnnotations();
    }
};

TEST_F(StickyNoteTest, ANoteCarriesItsRecordColourLocksAndPage) {
    const PMPoint center = PageBounds(2).GetCenter();
    const UID note = CreateAt(2, center);
    ASSERT_NE(note, kInvalidUID);
    EXPECT_EQ(db->GetClass(note), kNotesStickyNoteBoss);
    InterfacePtr<INotesAnnotation> record(UIDRef(db, note), IID_INOTESANNOTATION);
    EXPECT_EQ(record->GetContent().GetUTF8String(), "note");
    EXPECT_EQ(record->GetAuthor().GetUTF8String(), "Ana");
    EXPECT_EQ(record->GetColor(), black);
    EXPECT_EQ(record->GetPoints().size(), 2u);
    InterfacePtr<INotesAnnotationLayout> layout(UIDRef(db, note), IID_INOTESANNOTATIONLAYOUT);
    EXPECT_EQ(layout->GetPageUID(), Page(2));
    EXPECT_EQ(layout->GetLayerUID(), manager->GetAnnotationSpreadLayer(2));
    EXPECT_TRUE(layout->GetBounds().Equals(PMRect(center - PMPoint(10, 10), center + PMPoint(10, 10)), 1e-6));
    InterfacePtr<IItemLockData> locks(UIDRef(db, note), IID_IITEMLOCKDATA);
    EXPECT_TRUE(locks->GetInsertLock());
    EXPECT_TRUE(locks->GetAttributeLock());
    const GraphicAttribute fill =
        Utils<IGraphicAttributeUtils>()->GetAttribute(record, kGraphicStyleFillRenderingAttrBoss);
    EXPECT_EQ(fill.swatch, black);
    EXPECT_EQ(Listed(2), UIDList(UIDRef(db, note)));
    EXPECT_TRUE(Listed(1).IsEmpty());
}

TEST_F(StickyNoteTest, WrongPointCountsAndItemListsCreateNothing) {
    const PMPoint c = PageBounds(0).GetCenter();
    EXPECT_TRUE(Create(0, {c}).IsEmpty());
    EXPECT_TRUE(Create(0, {c, c, c}).IsEmpty());
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesCreateStickyNoteCmdBoss));
    InterfacePtr<INotesAnnotation> record(cmd, IID_INOTESANNOTATION);
    record->Set(INotesAnnotation::kStickyNoteAnnotation, {c, c + PMPoint(20, 20)}, black, kTrue, PMString(),
                PMString(), IDTime());
    cmd->SetItemList(UIDList(db));
    EXPECT_NE(CmdUtils::ProcessCommand(cmd), kSuccess);
    EXPECT_TRUE(Listed(0).IsEmpty());
}

TEST_F(StickyNoteTest, ANoteOnThePasteboardBelongsToTheNearestPageOfItsSpread) {
    // Right of the second page of the two-page spread (document pages 2 and 3 = indices 1 and 2).
    const PMRect right = PageBounds(2);
    const UID note = CreateAt(2, PMPoint(right.Right() + 30, right.GetCenter().Y()));
    ASSERT_NE(note, kInvalidUID);
    EXPECT_EQ(Listed(2), UIDList(UIDRef(db, note)));
    EXPECT_TRUE(Listed(1).IsEmpty());
}

TEST_F(StickyNoteTest, TheSpreadLayerOfAPageFollowsTheSpreadsPageCounts) {
    EXPECT_EQ(manager->GetAnnotationSpreadLayer(1), manager->GetAnnotationSpreadLayer(2));
    EXPECT_NE(manager->GetAnnotationSpreadLayer(2), manager->GetAnnotationSpreadLayer(3));
    EXPECT_EQ(manager->GetAnnotationSpreadLayer(3), manager->GetAnnotationSpreadLayer(4));
    EXPECT_EQ(manager->GetAnnotationSpreadLayer(5), kInvalidUID);
}

TEST_F(StickyNoteTest, MasterPagesAreNumberedAcrossMasterSpreads) {
    InterfacePtr<INotesMasterPageList> masters(doc, IID_INOTESMASTERPAGELIST);
    EXPECT_EQ(masters->GetMasterPageCount(), 3);
    const UID bPage = masters->GetNthMasterPage(2);
    EXPECT_NE(bPage, kInvalidUID);
    EXPECT_EQ(masters->GetMasterPageIndex(bPage), 2);
    EXPECT_EQ(masters->GetNthMasterPage(3), kInvalidUID);
    EXPECT_EQ(masters->GetMasterPageIndex(Page(0)), -1);
}

TEST_F(StickyNoteTest, TheIconIsDrawnInItsColourButNotWhenPrinting) {
    const UID note = CreateAt(0, PageBounds(0).GetCenter());
    InterfacePtr<IShape> shape(UIDRef(db, note), IID_ISHAPE);
    ASSERT_TRUE(shape);
    RecordingGraphicsPort port;
    GraphicsData data(&port, db);
    shape->Draw(&data, IShape::kDrawNormal);
    const auto colors = port.Find("setrgbcolor");
    ASSERT_GE(colors.size(), 2u);
    EXPECT_EQ(colors[0].args, (std::vector<PMReal>{0, 0, 0})) << "black swatch";
    EXPECT_EQ(port.Find("curveto").size(), 8u) << "the rounded outline, filled then stroked";
    EXPECT_EQ(port.Find("fill").size(), 1u);
    ASSERT_FALSE(port.Find("moveto").empty());
    EXPECT_EQ(port.Find("moveto")[0].args, (std::vector<PMReal>{-5, -1}));

    for (int32 flags : {0x200, 0x1000}) {
        RecordingGraphicsPort printing;
        GraphicsData printData(&printing, db);
        shape->Draw(&printData, flags);
        EXPECT_TRUE(printing.Find("fill").empty() && printing.Find("stroke").empty()) << flags;
    }
}

TEST_F(StickyNoteTest, DeletingANoteTakesItAwayAndUndoBringsItBack) {
    const UID note = CreateAt(0, PageBounds(0).GetCenter());
    ASSERT_EQ(Listed(0).Length(), 1);
    InterfacePtr<ICommand> del(CmdUtils::CreateCommand(kNotesDeleteAnnotationCmdBoss));
    del->SetItemList(UIDList(UIDRef(db, note)));
    ASSERT_EQ(CmdUtils::ProcessCommand(del), kSuccess);
    EXPECT_FALSE(db->IsValidUID(note));
    EXPECT_TRUE(Listed(0).IsEmpty());
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_TRUE(db->IsValidUID(note));
    manager->InvalidateAnnotationLists();
    EXPECT_EQ(Listed(0).Length(), 1);
}

TEST_F(StickyNoteTest, ClearAllRemovesNotesAndTheLayer) {
    CreateAt(0, PageBounds(0).GetCenter());
    CreateAt(3, PageBounds(3).GetCenter());
    InterfacePtr<INotesLayerManager> layers(doc, IID_INOTESLAYERMANAGER);
    EXPECT_FALSE(layers->IsFreeOfAnnotations());
    InterfacePtr<ICommand> clear(CmdUtils::CreateCommand(kNotesClearAllCmdBoss));
    clear->SetItemList(UIDList(doc));
    ASSERT_EQ(CmdUtils::ProcessCommand(clear), kSuccess);
    EXPECT_FALSE(layers->HasNotesLayer());
    manager->InvalidateAnnotationLists();
    EXPECT_TRUE(Listed(0).IsEmpty());
    EXPECT_TRUE(Listed(3).IsEmpty());
    EXPECT_TRUE(layers->IsFreeOfAnnotations());

    InterfacePtr<ICommand> again(CmdUtils::CreateCommand(kNotesClearAllCmdBoss));
    again->SetItemList(UIDList(doc));
    EXPECT_EQ(CmdUtils::ProcessCommand(again), kSuccess) << "clearing a clean document succeeds";
}
} // namespace
