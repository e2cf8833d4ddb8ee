// The document observer keeps sticky-note icons upright (a transform of an icon only moves it, one
// undo step with the user's transform, other items untouched) and never lets the annotation layer
// stay the active layer: the last other active layer comes back, or, when there was none, the last
// layer the user can draw on.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "INotesAnnotsManager.h"
#include "INotesLayerManager.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/IActiveLayer.h"
#include "host/document/IGeometry.h"
#include "host/document/ILayerList.h"
#include "host/document/ILayerUtils.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/IPathUtils.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/document/ITransformCmdData.h"
#include "host/notify/IObserver.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/selection/ISelectionManager.h"

using namespace CoreFixture;

namespace {
constexpr const char* kLayout = R"({
  "pageSize": {"width": 612, "height": 792},
  "layers": [{"name": "Text"}, {"name": "Art"}, {"name": "Hidden", "visible": false},
             {"name": "Locked", "locked": true}],
  "spreads": [{"pages": [{}]}]
})";

class DocumentObserverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearFailureLog();
        document = BuildDocument(kLayout);
        ASSERT_NE(document, nullptr);
        db = document->GetDocumentDataBase();
        doc = DocumentRef(document);
    }
    void TearDown() override { Close(document); }

    UID NotesLayer() {
        return InterfacePtr<INotesLayerManager>(doc, IID_INOTESLAYERMANAGER)->GetNotesLayerUID();
    }
    UID Layer(const char* name) {
        return InterfacePtr<ILayerList>(doc, IID_ILAYERLIST)->FindByName(PMString(name));
    }
    PMPoint PageCentre() {
        const UID page = InterfacePtr<IPageList>(doc, IID_IPAGELIST)->GetNthPageUID(0);
        return Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(db, page)).GetCenter();
    }
    UID AddNote(const PMPoint& at) {
        NotesLayer();
        InterfacePtr<INotesAnnotsManager> manager(doc, IID_INOTESANNOTSMANAGER);
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesCreateStickyNoteCmdBoss));
        InterfacePtr<INotesAnnotation> record(cmd, IID_INOTESANNOTATION);
        record->Set(INotesAnnotation::kStickyNoteAnnotation, {at, at + PMPoint(20, 20)}, kInvalidUID, kTrue,
                    PMString("n"), PMString(), IDTime());
        cmd->SetItemList(UIDList(UIDRef(db, manager->GetAnnotationSpreadLayer(0))));
        EXPECT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
        return cmd->GetItemList()->Length() == 1 ? cmd->GetItemList()->At(0) : kInvalidUID;
    }
    UID AddRectangle(const PMPoint& at) {
        const UID spread = InterfacePtr<ISpreadList>(doc, IID_ISPREADLIST)->GetNthSpreadUID(0);
        const UID contentLayer = InterfacePtr<ISpread>(UIDRef(db, spread))->GetSpreadLayerUID(Layer("Text"));
        const PMRect bounds(at.X(), at.Y(), at.X() + 50, at.Y() + 30);
        return Utils<IPathUtils>()->CreateRectangleSpline(UIDRef(db, contentLayer), bounds).GetUID();
    }
    ErrorCode Transform(const UIDList& items, const PMMatrix& matrix) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kTransformPageItemsCmdBoss));
        InterfacePtr<ITransformCmdData> data(cmd, IID_ITRANSFORMCMDDATA);
        data->SetTransformData(matrix, ITransformCmdData::kAroundItemCenter);
        cmd->SetItemList(items);
        return CmdUtils::ProcessCommand(cmd);
    }
    PMMatrix InnerToPasteboard(UID item) {
        return InterfacePtr<ITransform>(UIDRef(db, item), IID_ITRANSFORM)->InnerToPasteboardMatrix();
    }
    PMPoint CentreOf(UID item) {
        PMRect bounds = InterfacePtr<IGeometry>(UIDRef(db, item), IID_IGEOMETRY)->GetPathBoundingBox();
        InterfacePtr<ITransform>(UIDRef(db, item), IID_ITRANSFORM)->TransformInnerRectToPasteboard(&bounds);
        return bounds.GetCenter();
    }
    static PMMatrix Linear(PMMatrix matrix) {
        matrix.SetTranslation(PMPoint(0, 0));
        return matrix;
    }
    static PMMatrix RotatedAndMoved(PMReal degrees, PMReal dx, PMReal dy) {
        PMMatrix matrix;
        matrix.Rotate(degrees);
        matrix.Translate(dx, dy);
        return matrix;
    }
    UID ActiveLayer() { return Utils<ILayerUtils>()->GetActiveLayerUID(document); }
    ErrorCode Activate(UID layer) { return Utils<ILayerUtils>()->SetActiveLayer(document, layer); }

    IDocument* document = nullptr;
    IDataBase* db = nullptr;
    UIDRef doc;
};

TEST_F(DocumentObserverTest, ARotatedAndScaledIconComesBackUprightKeepingOnlyTheMoveInOneUndoStep) {
    const UID note = AddNote(PageCentre());
    ASSERT_NE(note, kInvalidUID);
    const PMMatrix before = InnerToPasteboard(note);
    const PMPoint centre = CentreOf(note);
    const int32 steps = db->GetUndoHistory().CountUndoSteps();

    PMMatrix matrix = RotatedAndMoved(30, 40, 25);
    matrix.Scale(2, 1.5);
    ASSERT_EQ(Transform(UIDList(UIDRef(db, note)), matrix), kSuccess);
    EXPECT_TRUE(Linear(InnerToPasteboard(note)).Equals(Linear(before)))
        << "no rotation, scale or skew is left";
    const PMPoint moved = CentreOf(note);
    const PMPoint expected = matrix.TransformPoint(PMPoint(0, 0)); // the move of the icon's centre
    EXPECT_NEAR(moved.X(), centre.X() + expected.X(), 1e-6);
    EXPECT_NEAR(moved.Y(), centre.Y() + expected.Y(), 1e-6);
    EXPECT_EQ(InterfacePtr<IGeometry>(UIDRef(db, note), IID_IGEOMETRY)->GetPathBoundingBox(),
              PMRect(-10, -10, 10, 10));
    EXPECT_EQ(db->GetUndoHistory().CountUndoSteps(), steps + 1) << "the correction joins the user's step";
    EXPECT_EQ(FailureLogText(), "");

    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_TRUE(InnerToPasteboard(note).Equals(before));
}

TEST_F(DocumentObserverTest, AMoveOfAnIconIsKeptAsItIs) {
    const UID note = AddNote(PageCentre());
    const PMMatrix before = InnerToPasteboard(note);
    ASSERT_EQ(Transform(UIDList(UIDRef(db, note)), RotatedAndMoved(0, -30, 12)), kSuccess);
    PMMatrix expected = before;
    expected.Translate(-30, 12);
    EXPECT_TRUE(InnerToPasteboard(note).Equals(expected));
}

TEST_F(DocumentObserverTest, EveryIconOfATransformIsCorrectedAndOtherItemsKeepTheTransform) {
    const PMPoint c = PageCentre();
    const UID first = AddNote(c);
    const UID rectangle = AddRectangle(c - PMPoint(100, 100));
    const UID second = AddNote(c + PMPoint(80, 80));
    const PMMatrix firstBefore = InnerToPasteboard(first), secondBefore = InnerToPasteboard(second);
    const PMMatrix rectangleBefore = InnerToPasteboard(rectangle);
    UIDList items(UIDRef(db, first));
    items.Append(rectangle);
    items.Append(second);

    ASSERT_EQ(Transform(items, RotatedAndMoved(45, 0, 0)), kSuccess);
    EXPECT_TRUE(InnerToPasteboard(first).Equals(firstBefore));
    EXPECT_TRUE(InnerToPasteboard(second).Equals(secondBefore));
    EXPECT_NEAR(InterfacePtr<ITransform>(UIDRef(db, rectangle), IID_ITRANSFORM)->GetItemRotationAngle(), 45,
                1e-6);
    EXPECT_FALSE(InnerToPasteboard(rectangle).Equals(rectangleBefore));
}

TEST_F(DocumentObserverTest, MakingTheAnnotationLayerActiveGivesBackTheLastOtherActiveLayer) {
    const UID notes = NotesLayer();
    ASSERT_EQ(Activate(Layer("Text")), kSuccess);
    ASSERT_EQ(Activate(notes), kSuccess);
    EXPECT_EQ(ActiveLayer(), Layer("Text"));
    ASSERT_EQ(Activate(Layer("Art")), kSuccess);
    ASSERT_EQ(Activate(notes), kSuccess);
    EXPECT_EQ(ActiveLayer(), Layer("Art"));
}

TEST_F(DocumentObserverTest, WithNoLayerRememberedTheLastShownUnlockedLayerBecomesActive) {
    const UID notes = NotesLayer();
    ASSERT_EQ(Activate(notes), kSuccess);
    EXPECT_EQ(ActiveLayer(), Layer("Art"))
        << "hidden and locked layers, and the annotation layer, are passed over";
    EXPECT_EQ(FailureLogText(), "");
}

TEST_F(DocumentObserverTest, ASelectionChangeMovesOffAnAnnotationLayerMadeActiveUnannounced) {
    const UID rectangle = AddRectangle(PageCentre());
    ASSERT_EQ(Activate(Layer("Text")), kSuccess);
    // Made active without the host's announcement: the next selection change catches it.
    ASSERT_EQ(InterfacePtr<IActiveLayer>(doc, IID_IACTIVELAYER)->SetActiveLayerUID(NotesLayer()), kSuccess);
    ASSERT_EQ(ActiveLayer(), NotesLayer());
    InterfacePtr<ISelectionManager> selection(DocumentManager::Instance().GetLayoutView(document),
                                              IID_ISELECTIONMANAGER);
    ASSERT_TRUE(selection);
    ASSERT_EQ(selection->SelectPageItems(UIDList(UIDRef(db, rectangle))), kSuccess);
    EXPECT_EQ(ActiveLayer(), Layer("Text"));
}

TEST_F(DocumentObserverTest, AfterDetachingTheObserverNothingIsCorrected) {
    const UID note = AddNote(PageCentre());
    InterfacePtr<IObserver> observer(doc, IID_INOTESDOCUMENTOBSERVER);
    ASSERT_TRUE(observer);
    observer->AutoDetach();
    const PMMatrix before = InnerToPasteboard(note);
    ASSERT_EQ(Transform(UIDList(UIDRef(db, note)), RotatedAndMoved(30, 0, 0)), kSuccess);
    EXPECT_FALSE(Linear(InnerToPasteboard(note)).Equals(Linear(before)));
    ASSERT_EQ(Activate(NotesLayer()), kSuccess);
    EXPECT_EQ(ActiveLayer(), NotesLayer());
    observer->AutoAttach();
    observer->AutoAttach(); // a second attach adds nothing
    ASSERT_EQ(Activate(NotesLayer()), kSuccess);
    EXPECT_NE(ActiveLayer(), NotesLayer());
}
} // namespace
