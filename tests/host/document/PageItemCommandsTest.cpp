// What the page-item and layer commands do to the spread hierarchy, and what observers hear.
#include <gtest/gtest.h>

#include "LayoutTestDocument.h"
#include "host/document/IConvertShapeCmdData.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayerList.h"
#include "host/document/ILayerUtils.h"
#include "host/document/INewPageItemCmdData.h"
#include "host/document/IPathGeometry.h"
#include "host/document/ISpread.h"
#include "host/document/ITransform.h"
#include "host/document/ITransformCmdData.h"
#include "host/notify/ISubject.h"

namespace {
// Records the notifications of one protocol with the command's state at that moment.
class RecordingObserver final : public IObserver {
public:
    struct Heard {
        ClassID change;
        ICommand::CommandState state;
        bool itemsExist;
    };
    explicit RecordingObserver(IDataBase* db) : fDataBase(db) {}
    IPMUnknown* QueryInterface(PMIID iid) const override {
        return iid == IID_IOBSERVER ? const_cast<RecordingObserver*>(this) : nullptr;
    }
    void AddRef() const override {}
    void Release() const override {}
    void Update(ClassID theChange, ISubject*, PMIID, void* changedBy) override {
        auto* cmd = static_cast<ICommand*>(changedBy);
        bool exist = cmd && !cmd->GetItemList()->IsEmpty();
        for (int32 i = 0; cmd && i < cmd->GetItemList()->Length(); ++i)
            exist = exist && fDataBase->IsValidUID(cmd->GetItemList()->At(i));
        heard.push_back({theChange, cmd ? cmd->GetCommandState() : ICommand::kNotDone, exist});
    }
    void LazyUpdate(ISubject*, PMIID, const LazyNotificationData*) override {}
    void AutoAttach() override {}
    void AutoDetach() override {}
    std::vector<Heard> heard;

private:
    IDataBase* fDataBase;
};

UIDList Items(const LayoutTestDocument& doc, std::initializer_list<UID> uids) {
    UIDList list(doc.DB());
    for (UID uid : uids)
        list.Append(uid);
    return list;
}

ErrorCode Transform(const UIDList& items, const PMMatrix& matrix) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kTransformPageItemsCmdBoss));
    cmd->SetItemList(items);
    InterfacePtr<ITransformCmdData>(cmd, IID_ITRANSFORMCMDDATA)->SetTransformData(matrix);
    return CmdUtils::ProcessCommand(cmd);
}
} // namespace

TEST(PageItemCommands, NewItemSitsWhereAskedWithInnerCoordinatesCentredOnIt) {
    LayoutTestDocument doc;
    const UID item = doc.NewRectangleOnPage(0, PMRect(100, 200, 300, 350));
    EXPECT_EQ(doc.Get<IGeometry>(item)->GetPathBoundingBox(), PMRect(-100, -75, 100, 75));
    PMRect expected(100, 200, 300, 350);
    doc.Get<ITransform>(doc.Page(0))->TransformInnerRectToPasteboard(&expected);
    EXPECT_EQ(doc.PasteboardBounds(item), expected);
    EXPECT_EQ(doc.Get<IHierarchy>(item)->GetLayerUID(), doc.ContentLayer(doc.Spread(0)));
}

TEST(PageItemCommands, NewItemRefusesAClassThatIsNotASpline) {
    LayoutTestDocument doc;
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewPageItemCmdBoss));
    InterfacePtr<INewPageItemCmdData>(cmd, IID_INEWPAGEITEMCMDDATA)
        ->Set(doc.DB(), kSwatchBoss, doc.ContentLayer(doc.Spread(0)), {PMPoint(0, 0), PMPoint(10, 10)});
    EXPECT_NE(CmdUtils::ProcessCommand(cmd), kSuccess);
}

TEST(PageItemCommands, DeletingAGroupDeletesItsChildren) {
    LayoutTestDocument doc;
    const UID a = doc.NewRectangleOnPage(0, PMRect(10, 10, 50, 50));
    const UID b = doc.NewRectangleOnPage(0, PMRect(60, 10, 90, 50));
    InterfacePtr<ICommand> group = doc.Process(kGroupCmdBoss, Items(doc, {a, b}));
    const UID groupUID = group->GetItemList()->At(0);
    ErrorCode result;
    doc.Process(kDeleteCmdBoss, Items(doc, {groupUID}), &result);
    ASSERT_EQ(result, kSuccess);
    for (UID uid : {groupUID, a, b})
        EXPECT_FALSE(doc.DB()->IsValidUID(uid));
    EXPECT_EQ(doc.Get<IHierarchy>(doc.ContentLayer(doc.Spread(0)))->GetChildCount(), 0);
}

TEST(PageItemCommands, DeleteRefusesObjectsThatAreNotPageItems) {
    LayoutTestDocument doc;
    ErrorCode result;
    doc.Process(kDeleteCmdBoss, Items(doc, {doc.Page(0)}), &result);
    EXPECT_NE(result, kSuccess);
    EXPECT_TRUE(doc.DB()->IsValidUID(doc.Page(0)));
}

TEST(PageItemCommands, ObserversHearOfADeleteBeforeAndAfter) {
    LayoutTestDocument doc;
    const UID item = doc.NewRectangleOnPage(0, PMRect(10, 10, 50, 50));
    RecordingObserver observer(doc.DB());
    InterfacePtr<ISubject> subject(doc.Document(), IID_ISUBJECT);
    subject->AttachObserver(&observer, IID_IHIERARCHY_DOCUMENT);
    doc.Process(kDeleteCmdBoss, Items(doc, {item}));
    subject->DetachObserver(&observer, IID_IHIERARCHY_DOCUMENT);
    ASSERT_EQ(observer.heard.size(), 2u);
    EXPECT_EQ(observer.heard[0].change, kBeforeDeleteChangeClass);
    EXPECT_EQ(observer.heard[0].state, ICommand::kNotDone);
    EXPECT_TRUE(observer.heard[0].itemsExist) << "the items are still there to look at";
    EXPECT_EQ(observer.heard[1].change, kDeleteCmdBoss);
    EXPECT_EQ(observer.heard[1].state, ICommand::kDone);
}

TEST(PageItemCommands, GroupingKeepsEveryItemInPlace) {
    LayoutTestDocument doc;
    const UID a = doc.NewRectangleOnPage(0, PMRect(10, 10, 50, 50));
    const UID b = doc.NewRectangleOnPage(0, PMRect(60, 70, 90, 120));
    const PMRect aBefore = doc.PasteboardBounds(a), bBefore = doc.PasteboardBounds(b);
    InterfacePtr<ICommand> group = doc.Process(kGroupCmdBoss, Items(doc, {a, b}));
    const UID groupUID = group->GetItemList()->At(0);
    EXPECT_EQ(doc.Get<IHierarchy>(a)->GetParentUID(), groupUID);
    EXPECT_EQ(doc.PasteboardBounds(a), aBefore);
    EXPECT_EQ(doc.PasteboardBounds(b), bBefore);
    EXPECT_EQ(doc.PasteboardBounds(groupUID), aBefore.Union(bBefore));
}

TEST(PageItemCommands, TransformTurnsAroundTheItemsCentreAndNotifiesTwice) {
    LayoutTestDocument doc;
    const UID item = doc.NewRectangleOnPage(0, PMRect(100, 100, 300, 200));
    const PMPoint centre = doc.PasteboardBounds(item).GetCenter();
    RecordingObserver observer(doc.DB());
    InterfacePtr<ISubject> subject(doc.Document(), IID_ISUBJECT);
    subject->AttachObserver(&observer, IID_ITRANSFORM_DOCUMENT);
    PMMatrix quarter;
    quarter.Rotate(90);
    ASSERT_EQ(Transform(Items(doc, {item}), quarter), kSuccess);
    subject->DetachObserver(&observer, IID_ITRANSFORM_DOCUMENT);

    const PMRect turned = doc.PasteboardBounds(item);
    EXPECT_NEAR(turned.Width(), 100, 1e-9);
    EXPECT_NEAR(turned.Height(), 200, 1e-9);
    EXPECT_NEAR(turned.GetCenter().X(), centre.X(), 1e-9);
    EXPECT_NEAR(turned.GetCenter().Y(), centre.Y(), 1e-9);
    EXPECT_NEAR(doc.Get<ITransform>(item)->GetItemRotationAngle(), 90, 1e-9);
    ASSERT_EQ(observer.heard.size(), 2u);
    EXPECT_EQ(observer.heard[0].change, kTransformChangeClass);
    EXPECT_EQ(observer.heard[0].state, ICommand::kDone);
    EXPECT_EQ(observer.heard[1].change, kTransformDoneChangeClass);
}

TEST(PageItemCommands, TransformRefusesASingularMatrix) {
    LayoutTestDocument doc;
    const UID item = doc.NewRectangleOnPage(0, PMRect(100, 100, 300, 200));
    EXPECT_NE(Transform(Items(doc, {item}), PMMatrix(0, 0, 0, 0, 5, 5)), kSuccess);
    EXPECT_EQ(doc.Get<IGeometry>(item)->GetPathBoundingBox(), PMRect(-100, -50, 100, 50));
}

TEST(PageItemCommands, ConvertingToAnEllipseFillsTheBounds) {
    LayoutTestDocument doc;
    const UID item = doc.NewRectangleOnPage(0, PMRect(0, 0, 100, 50));
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kConvertShapeCmdBoss));
    cmd->SetItemList(Items(doc, {item}));
    InterfacePtr<IConvertShapeCmdData>(cmd, IID_ICONVERTSHAPECMDDATA)
        ->Set(IConvertShapeCmdData::kEllipse, kInvalidClass, 12, 6, 0);
    ASSERT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    InterfacePtr<IPathGeometry> path = doc.Get<IPathGeometry>(item);
    ASSERT_EQ(path->GetNumPaths(), 1);
    EXPECT_EQ(path->GetNumPoints(0), 4);
    EXPECT_FALSE(path->IsPathOpen(0));
    EXPECT_EQ(doc.Get<IGeometry>(item)->GetPathBoundingBox(), PMRect(-50, -25, 50, 25));
}

TEST(PageItemCommands, BringToFrontMakesTheItemTheLastChild) {
    LayoutTestDocument doc;
    const UID a = doc.NewRectangleOnPage(0, PMRect(10, 10, 50, 50));
    const UID b = doc.NewRectangleOnPage(0, PMRect(20, 20, 60, 60));
    doc.Process(kBringToFrontCmdBoss, Items(doc, {a}));
    InterfacePtr<IHierarchy> layer = doc.Get<IHierarchy>(doc.ContentLayer(doc.Spread(0)));
    EXPECT_EQ(layer->GetChildUID(0), b);
    EXPECT_EQ(layer->GetChildUID(1), a);
}

TEST(PageItemCommands, SettingPathBoundsScalesThePath) {
    LayoutTestDocument doc;
    const UID item = doc.NewRectangleOnPage(0, PMRect(0, 0, 100, 50));
    CmdUtils::SequenceContext sequence;
    ASSERT_EQ(doc.Get<IGeometry>(item)->SetPathBoundingBox(PMRect(-10, -10, 10, 10)), kSuccess);
    EXPECT_EQ(doc.Get<IPathGeometry>(item)->GetPathPoint(0, 2).GetAnchor(), PMPoint(10, 10));
    EXPECT_NE(doc.Get<IGeometry>(item)->SetPathBoundingBox(PMRect(5, 5, 5, 9)), kSuccess);
}

TEST(Layers, DeletingALayerDeletesItsSpreadLayersAndTheirItems) {
    DocumentSetup setup;
    setup.spreadPages = {1, 2};
    LayoutTestDocument doc(setup);
    InterfacePtr<ICommand> newLayer = doc.Process(kNewLayerCmdBoss, UIDList(doc.Root()));
    const UID layer = newLayer->GetItemList()->At(0);
    std::vector<UID> spreadLayers;
    for (int32 s = 0; s < 2; ++s)
        for (int32 kind : {ISpread::kContentLayer, ISpread::kGuideLayer})
            spreadLayers.push_back(doc.Get<ISpread>(doc.Spread(s))->GetSpreadLayerUID(layer, kind));
    const UID item = doc.NewRectangle(spreadLayers[2], PMRect(0, 0, 40, 40));
    const UID kept = doc.NewRectangleOnPage(0, PMRect(0, 0, 40, 40));

    ErrorCode result;
    doc.Process(kDeleteLayerCmdBoss, Items(doc, {layer}), &result);
    ASSERT_EQ(result, kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(layer));
    EXPECT_FALSE(doc.DB()->IsValidUID(item));
    for (UID spreadLayer : spreadLayers)
        EXPECT_FALSE(doc.DB()->IsValidUID(spreadLayer));
    EXPECT_TRUE(doc.DB()->IsValidUID(kept));
    EXPECT_EQ(doc.Get<IHierarchy>(doc.Spread(1))->GetChildCount(), 3);
}

TEST(Layers, TheLastLayerCannotBeDeleted) {
    LayoutTestDocument doc;
    ErrorCode result;
    doc.Process(kDeleteLayerCmdBoss, Items(doc, {doc.Layer(0)}), &result);
    EXPECT_NE(result, kSuccess);
    EXPECT_EQ(doc.Get<ILayerList>(doc.Root().GetUID())->GetCount(), 1);
}

TEST(Layers, ActiveLayerFallsBackToTheFirstWhenItsLayerGoes) {
    LayoutTestDocument doc;
    InterfacePtr<ICommand> newLayer = doc.Process(kNewLayerCmdBoss, UIDList(doc.Root()));
    const UID second = newLayer->GetItemList()->At(0);
    ASSERT_EQ(Utils<ILayerUtils>()->SetActiveLayer(doc.Document(), second), kSuccess);
    EXPECT_EQ(Utils<ILayerUtils>()->GetActiveLayerUID(doc.Document()), second);
    EXPECT_NE(Utils<ILayerUtils>()->SetActiveLayer(doc.Document(), doc.Page(0)), kSuccess);
    doc.DB()->GetUndoHistory().Undo();
    EXPECT_EQ(Utils<ILayerUtils>()->GetActiveLayerUID(doc.Document()), doc.Layer(0));
}
