// A new sticky note at a click in the layout view, and a note's selection handles: drawn, but never
// hit, so the note keeps its icon size and outline.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "INotesAnnotationList.h"
#include "INotesLayerManager.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransformCmdData.h"
#include "host/graphics/CHandleShape.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/HandleDrawing.h"
#include "host/graphics/IHandleShape.h"
#include "host/graphics/IShape.h"
#include "host/graphics/PointSelector.h"
#include "host/graphics/RecordingGraphicsPort.h"
#include "host/graphics/SpreadDrawer.h"
#include "host/objectmodel/IPointData.h"
#include "host/objectmodel/ObjectModel.h"

using namespace CoreFixture;

namespace {
class NewStickyNoteTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = BuildThreeSpreadDocument();
        ASSERT_NE(document, nullptr);
        db = document->GetDocumentDataBase();
    }
    void TearDown() override { Close(document); }
    UID Page(int32 index) {
        InterfacePtr<IPageList> pages(DocumentRef(document), IID_IPAGELIST);
        return pages->GetNthPageUID(index);
    }
    PMRect PageBounds(int32 index) {
        return Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(db, Page(index)));
    }
    InterfacePtr<ICommand> NewNoteAt(const PMPoint& click) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesNewStickyNoteCmdBoss));
        InterfacePtr<IPointData> point(cmd, IID_IPOINTDATA);
        point->Set(click);
        cmd->SetItemList(UIDList(DocumentRef(document)));
        return cmd;
    }

    IDocument* document = nullptr;
    IDataBase* db = nullptr;
};

TEST_F(NewStickyNoteTest, AClickMakesAnEmptyNoteWhosePopupOpensBesideThePage) {
    InterfacePtr<INotesLayerManager> layers(DocumentRef(document), IID_INOTESLAYERMANAGER);
    ASSERT_FALSE(layers->HasNotesLayer());
    const PMRect page = PageBounds(2);
    const PMPoint click = page.GetCenter() + PMPoint(40, -20);
    InterfacePtr<ICommand> cmd = NewNoteAt(click);
    ASSERT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    ASSERT_EQ(cmd->GetItemList()->Length(), 1);
    EXPECT_TRUE(layers->HasNotesLayer()) << "the annotation layer is made for the first note";

    const UID note = cmd->GetItemList()->At(0);
    InterfacePtr<INotesAnnotation> record(UIDRef(db, note), IID_INOTESANNOTATION);
    EXPECT_EQ(record->GetType(), INotesAnnotation::kStickyNoteAnnotation);
    EXPECT_TRUE(record->GetContent().GetUTF16().empty());
    // Page 3 is the right-hand page of its spread: the popup opens right of it, centred 10 pt below
    // the click.
    const PMPointList points = record->GetPoints();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0], PMPoint(page.Right(), click.Y() + 10 - 60));
    EXPECT_EQ(points[1], PMPoint(page.Right() + 180, click.Y() + 10 + 60));

    InterfacePtr<INotesAnnotationList> listed(UIDRef(db, Page(2)), IID_INOTESANNOTATIONLIST);
    ASSERT_EQ(listed->GetAnnotationCount(), 1);
    EXPECT_EQ(listed->GetAnnotations().At(0), note);

    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_FALSE(db->IsValidUID(note));
    EXPECT_FALSE(layers->HasNotesLayer()) << "one undo takes the note and the layer made for it";
}

TEST_F(NewStickyNoteTest, AClickOffEverySpreadMakesNothing) {
    InterfacePtr<ICommand> cmd = NewNoteAt(PMPoint(-100000, -100000));
    EXPECT_NE(CmdUtils::ProcessCommand(cmd), kSuccess);
    InterfacePtr<INotesLayerManager> layers(DocumentRef(document), IID_INOTESLAYERMANAGER);
    EXPECT_FALSE(layers->HasNotesLayer()) << "the failed command leaves nothing behind";
}

TEST_F(NewStickyNoteTest, ANotesHandlesAreDrawnButNeverHit) {
    InterfacePtr<ICommand> cmd = NewNoteAt(PageBounds(0).GetCenter());
    ASSERT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    const UID note = cmd->GetItemList()->At(0);
    InterfacePtr<ISpreadList> spreads(DocumentRef(document), IID_ISPREADLIST);

    RecordingGraphicsPort port;
    SpreadDrawer drawer(&port, IShape::kDrawNormal);
    drawer.SetSelectedItems(UIDList(UIDRef(db, note)));
    drawer.DrawSpread(UIDRef(db, spreads->GetNthSpreadUID(0)));
    int32 squares = 0;
    for (const auto& op : port.Find("rectpath"))
        if (std::abs(op.args[2] - op.args[0] - CHandleShape::kHandleSize) < 1e-9)
            ++squares;
    EXPECT_EQ(squares, 8);
    bool redOutline = false;
    for (const auto& op : port.Find("setrgbcolor"))
        redOutline = redOutline || (op.args[0] == 1.0 && op.args[1] == 0.0 && op.args[2] == 0.0);
    EXPECT_TRUE(redOutline);

    RecordingGraphicsPort hitPort;
    GraphicsData data(&hitPort, db);
    InterfacePtr<IHandleShape> handles(UIDRef(db, note), IID_IHANDLESHAPE);
    InterfacePtr<IHandleShape> pathHandles(UIDRef(db, note), IID_IPATHHANDLESHAPE);
    ASSERT_TRUE(handles);
    ASSERT_TRUE(pathHandles);
    const PMRect painted = handles->GetPaintedBBox();
    const PMPoint corner =
        painted.LeftTop() + PMPoint(CHandleShape::kHandleSize / 2.0, CHandleShape::kHandleSize / 2.0);
    PointSelector selector;
    EXPECT_FALSE(handles->HitTest(&data, corner, &selector));
    EXPECT_FALSE(pathHandles->HitTest(&data, corner, &selector));
    EXPECT_EQ(selector.GetHitKind(), PointSelector::kNoHit);
}
// The page lists follow every change of the document, also those of commands that know nothing of
// annotations: a note moved to another page by the host's transform command, undone and redone.
TEST_F(NewStickyNoteTest, PageListsFollowChangesMadeByAnyCommandAndByUndoAndRedo) {
    InterfacePtr<ICommand> cmd = NewNoteAt(PageBounds(1).GetCenter());
    ASSERT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    const UID note = cmd->GetItemList()->At(0);
    InterfacePtr<INotesAnnotationList> left(UIDRef(db, Page(1)), IID_INOTESANNOTATIONLIST);
    InterfacePtr<INotesAnnotationList> right(UIDRef(db, Page(2)), IID_INOTESANNOTATIONLIST);
    ASSERT_EQ(left->GetAnnotationCount(), 1);
    ASSERT_EQ(right->GetAnnotationCount(), 0);

    const PMPoint shift = PageBounds(2).GetCenter() - PageBounds(1).GetCenter();
    InterfacePtr<ICommand> move(CmdUtils::CreateCommand(kTransformPageItemsCmdBoss));
    move->SetItemList(UIDList(UIDRef(db, note)));
    InterfacePtr<ITransformCmdData>(move, IID_ITRANSFORMCMDDATA)
        ->SetTransformData(PMMatrix(1, 0, 0, 1, shift.X(), shift.Y()));
    ASSERT_EQ(CmdUtils::ProcessCommand(move), kSuccess);
    EXPECT_EQ(left->GetAnnotationCount(), 0);
    EXPECT_EQ(right->GetAnnotationCount(), 1);

    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(left->GetAnnotationCount(), 1);
    EXPECT_EQ(right->GetAnnotationCount(), 0);
    ASSERT_EQ(db->GetUndoHistory().Redo(), kSuccess);
    EXPECT_EQ(left->GetAnnotationCount(), 0);
    EXPECT_EQ(right->GetAnnotationCount(), 1);
}
} // namespace
