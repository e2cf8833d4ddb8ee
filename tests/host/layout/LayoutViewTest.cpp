// The layout view of each open document: what it shows, the application's active context, the
// set-page command, the view's active layer and command point data.
#include <gtest/gtest.h>

#include "../document/LayoutTestDocument.h"
#include "../selection/SelectionTestSuites.h"
#include "host/document/IActiveLayer.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayerUtils.h"
#include "host/document/IPMUnknownData.h"
#include "host/layout/IActiveContext.h"
#include "host/layout/ILayoutControlData.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/IPointData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/selection/ISelectionManager.h"

namespace {
// Records the view-state changes announced on a view.
class ViewObserver final : public IObserver {
public:
    IPMUnknown* QueryInterface(PMIID iid) const override {
        return iid == IID_IOBSERVER ? const_cast<ViewObserver*>(this) : nullptr;
    }
    void AddRef() const override {}
    void Release() const override {}
    void Update(ClassID theChange, ISubject*, PMIID, void*) override { changes.push_back(theChange); }
    void LazyUpdate(ISubject*, PMIID, const LazyNotificationData*) override {}
    void AutoAttach() override {}
    void AutoDetach() override {}
    std::vector<ClassID> changes;
};

InterfacePtr<ILayoutControlData> ViewOf(const LayoutTestDocument& doc) {
    return InterfacePtr<ILayoutControlData>(DocumentManager::Instance().GetLayoutView(doc.Document()),
                                            IID_ILAYOUTCONTROLDATA);
}

InterfacePtr<IActiveContext> Context() {
    return InterfacePtr<IActiveContext>(GetApplicationObject(), IID_IACTIVECONTEXT);
}

ErrorCode SetPage(const UIDRef& page, IPMUnknown* view = nullptr) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kSetPageCmdBoss));
    InterfacePtr<IUIDData>(cmd, IID_IUIDDATA)->Set(page);
    if (view)
        InterfacePtr<IPMUnknownData>(cmd, IID_IPMUNKNOWNDATA)->SetPMUnknown(view);
    return CmdUtils::ProcessCommand(cmd);
}

DocumentSetup TwoSpreads() {
    DocumentSetup setup;
    setup.spreadPages = {1, 2};
    return setup;
}
} // namespace

TEST(LayoutView, ShowsItsDocumentFromTheFirstPage) {
    LayoutTestDocument doc(TwoSpreads());
    InterfacePtr<ILayoutControlData> view = ViewOf(doc);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->GetDocument(), doc.Document());
    EXPECT_EQ(view->GetPageRef(), UIDRef(doc.DB(), doc.Page(0)));
    EXPECT_EQ(view->GetSpreadRef(), UIDRef(doc.DB(), doc.Spread(0)));
}

TEST(LayoutView, ActiveContextFollowsTheFrontDocumentAndItsView) {
    LayoutTestDocument first;
    {
        LayoutTestDocument second;
        EXPECT_EQ(Context()->GetContextDocument(), second.Document());
        EXPECT_EQ(Context()->GetContextView(), DocumentManager::Instance().GetLayoutView(second.Document()));
        InterfacePtr<ISelectionManager> secondSelection(Context()->GetContextView(), IID_ISELECTIONMANAGER);
        EXPECT_EQ(Context()->GetContextSelection(), secondSelection.get());
    }
    EXPECT_EQ(Context()->GetContextDocument(), first.Document());
    EXPECT_EQ(Context()->GetContextView(), DocumentManager::Instance().GetLayoutView(first.Document()));
}

TEST(LayoutView, ClosedDocumentHasNoViewAndItsViewShowsNothing) {
    auto doc = std::make_unique<LayoutTestDocument>();
    IDocument* document = doc->Document();
    InterfacePtr<ILayoutControlData> view = ViewOf(*doc);
    doc.reset();
    EXPECT_EQ(DocumentManager::Instance().GetLayoutView(document), nullptr);
    EXPECT_EQ(view->GetDocument(), nullptr);
    EXPECT_EQ(view->GetPage(), kInvalidUID);
}

TEST(SetPageCommand, MakesThePageAndItsSpreadCurrentWithoutAnUndoStep) {
    LayoutTestDocument doc(TwoSpreads());
    InterfacePtr<ILayoutControlData> view = ViewOf(doc);
    ViewObserver observer;
    InterfacePtr<ISubject> subject(view, IID_ISUBJECT);
    subject->AttachObserver(&observer, IID_ILAYOUTCONTROLDATA);
    const int32 undoSteps = doc.DB()->GetUndoHistory().CountUndoSteps();

    ASSERT_EQ(SetPage(UIDRef(doc.DB(), doc.Page(2))), kSuccess);
    EXPECT_EQ(view->GetPage(), doc.Page(2));
    EXPECT_EQ(view->GetSpreadRef(), UIDRef(doc.DB(), doc.Spread(1)));
    EXPECT_EQ(observer.changes, std::vector<ClassID>{kSetPageCmdBoss});
    EXPECT_EQ(doc.DB()->GetUndoHistory().CountUndoSteps(), undoSteps);
    subject->DetachObserver(&observer, IID_ILAYOUTCONTROLDATA);
}

TEST(SetPageCommand, RefusesWhatIsNotAPageOfTheViewsDocument) {
    LayoutTestDocument doc(TwoSpreads());
    LayoutTestDocument other;
    InterfacePtr<ILayoutControlData> view = ViewOf(doc);
    ASSERT_EQ(SetPage(UIDRef(doc.DB(), doc.Page(1))), kSuccess);
    EXPECT_NE(SetPage(UIDRef(doc.DB(), doc.Spread(1))), kSuccess);
    EXPECT_NE(SetPage(UIDRef(other.DB(), other.Page(0)), view), kSuccess);
    EXPECT_EQ(view->GetPage(), doc.Page(1));
}

TEST(LayoutView, ActiveLayerOfTheViewIsTheDocumentsActiveLayer) {
    LayoutTestDocument doc;
    InterfacePtr<ICommand> newLayer = doc.Process(kNewLayerCmdBoss, UIDList(doc.Root()));
    const UID second = newLayer->GetItemList()->At(0);
    InterfacePtr<IActiveLayer> viewLayer(ViewOf(doc), IID_IACTIVELAYER);
    ASSERT_EQ(viewLayer->SetActiveLayerUID(second), kSuccess);
    EXPECT_EQ(Utils<ILayerUtils>()->GetActiveLayerUID(doc.Document()), second);
    ASSERT_EQ(Utils<ILayerUtils>()->SetActiveLayer(doc.Document(), doc.Layer(0)), kSuccess);
    EXPECT_EQ(viewLayer->GetActiveLayerUID(), doc.Layer(0));
}

TEST(PointData, PlugInCommandClassesCarryTheHostsPointData) {
    SelectionTestSuites::Register();
    InterfacePtr<IPointData> point(CreateObject2<IPointData>(SelectionTestSuites::kPointCmdBoss));
    ASSERT_TRUE(point);
    EXPECT_EQ(point->GetPoint(), PMPoint(0, 0));
    point->Set(PMPoint(12.5, -3));
    EXPECT_EQ(point->GetPoint(), PMPoint(12.5, -3));
}
