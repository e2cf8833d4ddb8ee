// Spreads, master spreads, pages and layers of a document, and how they survive save and reopen.
#include <gtest/gtest.h>

#include "LayoutTestDocument.h"
#include "TestSupport.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayerList.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IMasterPage.h"
#include "host/document/IMasterSpreadList.h"
#include "host/document/INewSpreadCmdData.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadLayer.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"

namespace {
DocumentSetup ThreeSpreads() {
    DocumentSetup setup;
    setup.spreadPages = {1, 2, 2};
    return setup;
}

UID NewMaster(const LayoutTestDocument& doc, const char* name, int32 pages) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewMasterSpreadCmdBoss));
    InterfacePtr<INewSpreadCmdData> data(cmd, IID_INEWSPREADCMDDATA);
    data->Set(pages, 612, 792, -1);
    data->SetName(PMString(name));
    cmd->SetItemList(UIDList(doc.Root()));
    return CmdUtils::ProcessCommand(cmd) == kSuccess ? cmd->GetItemList()->At(0) : kInvalidUID;
}

PMRect PageOnPasteboard(const LayoutTestDocument& doc, UID page) {
    return Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(doc.DB(), page));
}
} // namespace

TEST(DocumentStructure, NewDocumentHasOnePageOneLayerAndTheStandardSwatches) {
    LayoutTestDocument doc;
    EXPECT_EQ(doc.Get<IPageList>(doc.Root().GetUID())->GetPageCount(), 1);
    EXPECT_EQ(doc.Get<ILayerList>(doc.Root().GetUID())->GetCount(), 1);
    EXPECT_FALSE(doc.DB()->GetUndoHistory().CanUndo()) << "setting a document up is not an undoable step";
    PMRect page = doc.Get<IGeometry>(doc.Page(0))->GetPathBoundingBox();
    EXPECT_EQ(page, PMRect(0, 0, 612, 792));
}

TEST(DocumentStructure, SpreadsHoldTheirPagesSideBySideInPageListOrder) {
    LayoutTestDocument doc(ThreeSpreads());
    InterfacePtr<IPageList> pages = doc.Get<IPageList>(doc.Root().GetUID());
    ASSERT_EQ(pages->GetPageCount(), 5);
    InterfacePtr<ISpread> second = doc.Get<ISpread>(doc.Spread(1));
    EXPECT_EQ(second->GetNthPageUID(0), pages->GetNthPageUID(1));
    EXPECT_EQ(second->GetNthPageUID(1), pages->GetNthPageUID(2));
    // Facing pages touch; the spread's pages share a top edge.
    const PMRect left = PageOnPasteboard(doc, pages->GetNthPageUID(1));
    const PMRect right = PageOnPasteboard(doc, pages->GetNthPageUID(2));
    EXPECT_DOUBLE_EQ(left.Right(), right.Left());
    EXPECT_DOUBLE_EQ(left.Top(), right.Top());
    EXPECT_EQ(second->GetPagesBounds().Width(), 1224);
    // Spreads are stacked without their pasteboards overlapping.
    const PMRect third = PageOnPasteboard(doc, pages->GetNthPageUID(3));
    EXPECT_GE(third.Top() - left.Bottom(), 2 * ISpread::kPasteboardMargin - 1e-9);
    EXPECT_EQ(pages->GetPageIndex(pages->GetNthPageUID(4)), 4);
}

TEST(DocumentStructure, ASpreadInsertedBetweenOthersMovesTheOnesAfterItAndTheStackStaysClosed) {
    LayoutTestDocument doc(ThreeSpreads());
    const PMRect firstBefore = PageOnPasteboard(doc, doc.Page(0));
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewSpreadCmdBoss));
    InterfacePtr<INewSpreadCmdData> data(cmd, IID_INEWSPREADCMDDATA);
    data->Set(2, 612, 1200, 1);
    cmd->SetItemList(UIDList(doc.Root()));
    ASSERT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    InterfacePtr<ISpreadList> spreads = doc.Get<ISpreadList>(doc.Root().GetUID());
    ASSERT_EQ(spreads->GetSpreadCount(), 4);
    EXPECT_EQ(spreads->GetNthSpreadUID(1), cmd->GetItemList()->At(0));
    EXPECT_EQ(PageOnPasteboard(doc, doc.Page(0)), firstBefore) << "spreads before the new one stand";
    PMReal bottom = 0;
    for (int32 i = 0; i < spreads->GetSpreadCount(); ++i) {
        const UID spread = spreads->GetNthSpreadUID(i);
        const PMRect pasteboard = doc.Get<ISpread>(spread)->GetPasteboardBounds();
        const PMReal top = doc.Get<ITransform>(spread)->GetInnerToParentMatrix().Ty() + pasteboard.Top();
        if (i > 0) {
            EXPECT_NEAR(top, bottom, 1e-9) << "spread " << i << " touches the one before it";
        }
        bottom = top + pasteboard.Height();
    }
}

TEST(DocumentStructure, PageTransformMapsInnerToPasteboardAndBack) {
    LayoutTestDocument doc(ThreeSpreads());
    InterfacePtr<ITransform> transform = doc.Get<ITransform>(doc.Page(2));
    PMPoint p(10, 20);
    transform->TransformInnerPointToPasteboard(&p);
    EXPECT_EQ(p, PageOnPasteboard(doc, doc.Page(2)).LeftTop() + PMPoint(10, 20));
    transform->TransformPasteboardPointToInner(&p);
    EXPECT_NEAR(p.X(), 10, 1e-9);
    EXPECT_NEAR(p.Y(), 20, 1e-9);
    EXPECT_DOUBLE_EQ(transform->GetItemRotationAngle(), 0);
}

TEST(DocumentStructure, PageUnderPointAndOwnerPageOfItems) {
    LayoutTestDocument doc(ThreeSpreads());
    const PMRect right = PageOnPasteboard(doc, doc.Page(2));
    EXPECT_EQ(Utils<ILayoutUtils>()->GetPageUIDAtPoint(doc.Document(), right.GetCenter()), doc.Page(2));
    const UID onPage = doc.NewRectangleOnPage(2, PMRect(10, 10, 50, 50));
    EXPECT_EQ(Utils<ILayoutUtils>()->GetOwnerPageUID(doc.Get<IHierarchy>(onPage)), doc.Page(2));
    // Right of the spread's last page, on the pasteboard: the spread owns it.
    const UID offPage =
        doc.NewRectangle(doc.ContentLayer(doc.Spread(1)),
                         PMRect(right.Right() + 10, right.Top(), right.Right() + 40, right.Top() + 30));
    EXPECT_EQ(Utils<ILayoutUtils>()->GetOwnerPageUID(doc.Get<IHierarchy>(offPage)), doc.Spread(1));
    // The spread's own look-up answers the nearest page for such a point.
    InterfacePtr<ISpread> spread = doc.Get<ISpread>(doc.Spread(1));
    EXPECT_EQ(spread->GetPageUIDAtPoint(doc.PasteboardBounds(offPage).GetCenter()), doc.Page(2));
}

TEST(DocumentStructure, PagesMapToTheirMasterPages) {
    LayoutTestDocument doc(ThreeSpreads());
    const UID a = NewMaster(doc, "A-Master", 2);
    const UID b = NewMaster(doc, "B-Master", 1);
    ASSERT_NE(b, kInvalidUID);
    EXPECT_EQ(NewMaster(doc, "A-Master", 1), kInvalidUID) << "master names are unique";
    EXPECT_EQ(doc.Get<IMasterSpreadList>(doc.Root().GetUID())->FindMasterSpread(PMString("B-Master")), b);
    {
        CmdUtils::SequenceContext sequence;
        for (int32 i = 0; i < 5; ++i)
            doc.Get<IMasterPage>(doc.Page(i))->SetMasterSpreadUID(i < 3 ? a : b);
    }
    InterfacePtr<ISpread> master = doc.Get<ISpread>(a);
    EXPECT_EQ(doc.Get<IMasterPage>(doc.Page(1))->GetMasterPageUID(), master->GetNthPageUID(0));
    EXPECT_EQ(doc.Get<IMasterPage>(doc.Page(2))->GetMasterPageUID(), master->GetNthPageUID(1));
    EXPECT_EQ(doc.Get<IMasterPage>(doc.Page(4))->GetMasterPageUID(), doc.Get<ISpread>(b)->GetNthPageUID(0));
    EXPECT_EQ(doc.Get<IPageList>(doc.Root().GetUID())->GetPageIndex(master->GetNthPageUID(0)), -1);
}

TEST(DocumentStructure, EverySpreadAndMasterHasAContentAndAGuideLayerPerDocumentLayer) {
    LayoutTestDocument doc(ThreeSpreads());
    NewMaster(doc, "A-Master", 2);
    InterfacePtr<ICommand> newLayer = doc.Process(kNewLayerCmdBoss, UIDList(doc.Root()));
    const UID layer = newLayer->GetItemList()->At(0);
    for (UID spreadUID : {doc.Spread(0), doc.Spread(2), doc.MasterSpread(0)}) {
        InterfacePtr<ISpread> spread = doc.Get<ISpread>(spreadUID);
        const UID content = spread->GetSpreadLayerUID(layer, ISpread::kContentLayer);
        const UID guide = spread->GetSpreadLayerUID(layer, ISpread::kGuideLayer);
        ASSERT_NE(content, kInvalidUID);
        ASSERT_NE(guide, kInvalidUID);
        EXPECT_TRUE(doc.Get<ISpreadLayer>(guide)->IsGuideLayer());
        EXPECT_FALSE(doc.Get<ISpreadLayer>(content)->IsGuideLayer());
        // Pages layer, then two spread layers per document layer, the new one last.
        InterfacePtr<IHierarchy> hierarchy = doc.Get<IHierarchy>(spreadUID);
        EXPECT_EQ(hierarchy->GetChildCount(), 5);
        EXPECT_EQ(hierarchy->GetChildIndex(content), 3);
        EXPECT_EQ(hierarchy->GetChildIndex(guide), 4);
    }
}

// Found by fuzzing `pagehost notes`: a damaged file whose children loop back to an ancestor sent the
// walk over descendants round the loop until the stack overflowed. Each object is listed once.
TEST(DocumentStructure, AHierarchyThatLoopsBackListsEachDescendantOnce) {
    LayoutTestDocument doc(ThreeSpreads());
    const UID spread = doc.Spread(0);
    const UID item = doc.NewRectangle(doc.ContentLayer(spread), PMRect(0, 0, 10, 10));
    UIDList before(doc.Root().GetDataBase());
    doc.Get<IHierarchy>(spread)->GetDescendants(&before, kTrue);
    doc.Get<IHierarchy>(item)->AddChild(spread); // the spread becomes a child of its own item
    UIDList walked(doc.Root().GetDataBase());
    doc.Get<IHierarchy>(spread)->GetDescendants(&walked, kTrue);
    EXPECT_EQ(walked.GetUIDs(), before.GetUIDs());
}

// Found by fuzzing `pagehost notes`: a damaged file listing a spread among another spread's pages
// sent the bounds of each through the other's until the stack overflowed.
TEST(DocumentStructure, ASpreadListedAmongPagesAddsNoBoundsAndEndsTheWalk) {
    LayoutTestDocument doc(ThreeSpreads());
    InterfacePtr<ISpread> first = doc.Get<ISpread>(doc.Spread(0));
    InterfacePtr<ISpread> second = doc.Get<ISpread>(doc.Spread(1));
    const PMRect before = first->GetPagesBounds();
    doc.Get<IHierarchy>(first->GetPagesLayerUID())->AddChild(doc.Spread(1));
    doc.Get<IHierarchy>(second->GetPagesLayerUID())->AddChild(doc.Spread(0));
    EXPECT_EQ(first->GetPagesBounds(), before);
}

TEST(DocumentStructure, SavedDocumentReopensWithTheSameObjects) {
    const auto dir = TestSupport::MakeTempDir("structure-save");
    const std::string path = (dir / "three.pgdoc").string();
    LayoutTestDocument::Objects before;
    {
        LayoutTestDocument doc(ThreeSpreads());
        NewMaster(doc, "A-Master", 2);
        doc.NewRectangleOnPage(3, PMRect(72, 72, 144, 144));
        ASSERT_EQ(DocumentManager::Instance().SaveDocumentAs(doc.Document(), path), kSuccess);
        before = doc.Snapshot();
    }
    DocumentManager::Result reopened = DocumentManager::Instance().OpenDocument(path);
    ASSERT_EQ(reopened.error, kSuccess) << reopened.message;
    DataBase* db = dynamic_cast<DataBase*>(reopened.document->GetDocumentDataBase());
    LayoutTestDocument::Objects after;
    for (UID uid : db->GetAllUIDs())
        after[uid] = db->Snapshot(uid);
    EXPECT_TRUE(SameObjects(before, after));
    InterfacePtr<IPageList> pages(
        ObjectModel::CheckedCast<IPageList>(db->Instantiate(db->GetRootUID(), IID_IPAGELIST)));
    EXPECT_EQ(pages->GetPageCount(), 5);
    DocumentManager::Instance().CloseDocument(reopened.document);
}
