// The page item under a pasteboard point: the frontmost one wins, a group answers for its members,
// nothing is hit beside the items or on a hidden layer.
#include <gtest/gtest.h>

#include "LayoutTestDocument.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ICommand.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/ILayoutUtils.h"
#include "host/objectmodel/HostIDs.h"

namespace {
class PageItemAtPoint : public ::testing::Test {
protected:
    UID Hit(const PMPoint& pageOffset) const {
        const PMRect page = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(doc.DB(), doc.Page(0)));
        const PMPoint point(page.Left() + pageOffset.X(), page.Top() + pageOffset.Y());
        return Utils<ILayoutUtils>()->GetPageItemAtPoint(UIDRef(doc.DB(), doc.Spread(0)), point);
    }
    UIDList Items(std::initializer_list<UID> uids) const {
        UIDList list(doc.DB());
        for (UID uid : uids)
            list.Append(uid);
        return list;
    }

    LayoutTestDocument doc;
};

TEST_F(PageItemAtPoint, TheFrontmostOfOverlappingItemsIsHit) {
    const UID back = doc.NewRectangleOnPage(0, PMRect(10, 10, 100, 100));
    const UID front = doc.NewRectangleOnPage(0, PMRect(50, 50, 150, 150));
    EXPECT_EQ(Hit(PMPoint(75, 75)), front);
    EXPECT_EQ(Hit(PMPoint(20, 20)), back);
    EXPECT_EQ(Hit(PMPoint(140, 140)), front);
}

TEST_F(PageItemAtPoint, APointBesideEveryItemHitsNothing) {
    doc.NewRectangleOnPage(0, PMRect(10, 10, 100, 100));
    EXPECT_EQ(Hit(PMPoint(300, 300)), kInvalidUID);
    EXPECT_EQ(Hit(PMPoint(-30, 20)), kInvalidUID);
}

TEST_F(PageItemAtPoint, AGroupAnswersForItsMembers) {
    const UID a = doc.NewRectangleOnPage(0, PMRect(10, 10, 50, 50));
    const UID b = doc.NewRectangleOnPage(0, PMRect(60, 10, 90, 50));
    InterfacePtr<ICommand> group = doc.Process(kGroupCmdBoss, Items({a, b}));
    const UID groupUID = group->GetItemList()->At(0);
    EXPECT_EQ(Hit(PMPoint(20, 20)), groupUID);
    EXPECT_EQ(Hit(PMPoint(70, 20)), groupUID);
}

TEST_F(PageItemAtPoint, ItemsOfAHiddenLayerAreNeverHit) {
    doc.NewRectangleOnPage(0, PMRect(10, 10, 100, 100));
    InterfacePtr<IDocumentLayer> layer = doc.Get<IDocumentLayer>(doc.Layer(0));
    {
        CmdUtils::SequenceContext sequence;
        layer->SetVisible(kFalse);
    }
    EXPECT_EQ(Hit(PMPoint(50, 50)), kInvalidUID);
}

TEST_F(PageItemAtPoint, ASpreadThatIsNoSpreadHitsNothing) {
    doc.NewRectangleOnPage(0, PMRect(10, 10, 100, 100));
    EXPECT_EQ(Utils<ILayoutUtils>()->GetPageItemAtPoint(UIDRef(doc.DB(), doc.Page(0)), PMPoint(0, 0)),
              kInvalidUID);
}
} // namespace
