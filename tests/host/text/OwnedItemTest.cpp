// Owned items: anchoring and lookup, travelling with their characters, the removal hook and delete
// request when their text goes, undo bringing them back, and copies carried by copy and paste.
#include <gtest/gtest.h>

#include "TextTestClasses.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/IItemStrand.h"
#include "host/text/ITextModelCmds.h"

using namespace TextTestClasses;

namespace {
class OwnedItems : public ::testing::Test {
protected:
    void SetUp() override {
        story = doc.NewStory(u"The quick brown fox");
        cmds = InterfacePtr<ITextModelCmds>(doc.Model(story), IID_ITEXTMODELCMDS);
        items = InterfacePtr<IItemStrand>(doc.Model(story), IID_IITEMSTRAND);
    }
    UID Anchor(ClassID cls, TextIndex at, int32 payload) {
        const UID item = doc.NewItem(cls, payload);
        EXPECT_EQ(Process(cmds->SetOwnedItemCmd(at, item, cls)), kSuccess);
        return item;
    }
    UndoHistory& History() { return doc.DataBase()->GetUndoHistory(); }

    TextDocument doc;
    UID story = kInvalidUID;
    InterfacePtr<ITextModelCmds> cmds;
    InterfacePtr<IItemStrand> items;
};

TEST_F(OwnedItems, LookupMatchesTheIndexAndTheExactClass) {
    const UID marker = Anchor(kTestMarkerBoss, 4, 1);
    const UID plain = Anchor(kPlainItemBoss, 4, 2);
    const UID later = Anchor(kTestMarkerBoss, 10, 3);
    EXPECT_EQ(items->GetOwnedUID(4, kTestMarkerBoss), marker);
    EXPECT_EQ(items->GetOwnedUID(4, kPlainItemBoss), plain);
    EXPECT_EQ(items->GetOwnedUID(5, kTestMarkerBoss), kInvalidUID);
    EXPECT_EQ(items->GetOwnedUID(4, kInvalidClass), std::min(marker, plain));
    EXPECT_EQ(items->GetOwnedItemIndex(later), 10);
    EXPECT_EQ(items->GetOwnedItemIndex(story), -1);

    OwnedItemDataList found;
    EXPECT_EQ(items->CollectOwnedItems(RangeData(0, 10), kInvalidClass, &found), 2);
    EXPECT_EQ(items->CollectOwnedItems(RangeData(4, 11), kTestMarkerBoss, &found), 2);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[2], (OwnedItemData{marker, 4, kTestMarkerBoss}));
    EXPECT_EQ(found[3], (OwnedItemData{later, 10, kTestMarkerBoss}));

    // Setting an anchored item again moves it; removing takes it out of the text only.
    ASSERT_EQ(Process(cmds->SetOwnedItemCmd(6, marker, kTestMarkerBoss)), kSuccess);
    EXPECT_EQ(items->GetOwnedItemIndex(marker), 6);
    ASSERT_EQ(Process(cmds->RemoveOwnedItemCmd(marker)), kSuccess);
    EXPECT_EQ(items->GetOwnedItemIndex(marker), -1);
    EXPECT_TRUE(doc.DataBase()->IsValidUID(marker));
    EXPECT_NE(Process(cmds->RemoveOwnedItemCmd(marker)), kSuccess);
    EXPECT_NE(Process(cmds->SetOwnedItemCmd(20, marker, kTestMarkerBoss)), kSuccess); // past the text
    ASSERT_EQ(History().Undo(), kSuccess);
    EXPECT_EQ(items->GetOwnedItemIndex(marker), 6);
}

TEST_F(OwnedItems, ItemsTravelWithTheirCharacterThroughEveryEdit) {
    const UID item = Anchor(kTestMarkerBoss, 10, 1); // on the 'b' of "brown"
    ASSERT_EQ(Process(cmds->InsertCmd(4, WideString("very "))), kSuccess);
    EXPECT_EQ(items->GetOwnedItemIndex(item), 15);
    ASSERT_EQ(Process(cmds->InsertCmd(15, WideString("dark "))), kSuccess); // right before its character
    EXPECT_EQ(items->GetOwnedItemIndex(item), 20);
    ASSERT_EQ(Process(cmds->InsertCmd(21, WideString("!"))), kSuccess); // after it
    EXPECT_EQ(items->GetOwnedItemIndex(item), 20);
    ASSERT_EQ(Process(cmds->DeleteCmd(0, 4)), kSuccess);
    EXPECT_EQ(items->GetOwnedItemIndex(item), 16);
    ASSERT_EQ(Process(cmds->ReplaceCmd(0, 5, WideString("a"))), kSuccess);
    EXPECT_EQ(items->GetOwnedItemIndex(item), 12);
    EXPECT_EQ(doc.Model(story)->GetText(12, 1).GetUTF16(), u"b");
}

TEST_F(OwnedItems, DeletingTheItemsCharacterRunsItsMementoAndDeletesItAndUndoBringsItBack) {
    const UID item = Anchor(kTestMarkerBoss, 10, 42);
    MementoLog().clear();
    ASSERT_EQ(Process(cmds->DeleteCmd(8, 5)), kSuccess);
    EXPECT_EQ(MementoLog(), (std::vector<std::string>{"removing " + std::to_string(item) + "@10"}));
    EXPECT_FALSE(doc.DataBase()->IsValidUID(item));
    EXPECT_EQ(items->CountOwnedItems(), 0);

    ASSERT_EQ(History().Undo(), kSuccess);
    EXPECT_TRUE(doc.DataBase()->IsValidUID(item));
    EXPECT_EQ(items->GetOwnedItemIndex(item), 10);
    EXPECT_EQ(doc.Payload(item), 42);
    EXPECT_EQ(doc.Text(story), u"The quick brown fox\r");

    ASSERT_EQ(History().Redo(), kSuccess);
    EXPECT_FALSE(doc.DataBase()->IsValidUID(item));
}

TEST_F(OwnedItems, AnItemItsMementoDeletesOutsideTheRemovedTextLeavesTheStrandToo) {
    const UID start = Anchor(kTestMarkerBoss, 4, 1);
    const UID end = Anchor(kTestMarkerBoss, 8, 2);
    doc.SetPartner(start, end);
    ASSERT_EQ(Process(cmds->DeleteCmd(3, 2)), kSuccess); // " q": only the start marker's character
    EXPECT_FALSE(doc.DataBase()->IsValidUID(end));
    EXPECT_EQ(items->GetOwnedUID(6, kInvalidClass), kInvalidUID);
    EXPECT_EQ(items->GetOwnedItemIndex(end), -1);
    EXPECT_EQ(items->CountOwnedItems(), 0);

    ASSERT_EQ(History().Undo(), kSuccess);
    EXPECT_EQ(items->GetOwnedItemIndex(start), 4);
    EXPECT_EQ(items->GetOwnedItemIndex(end), 8);
}

TEST_F(OwnedItems, AnItemDeletedWithoutItsTextIsNoLongerAnswered) {
    const UID item = Anchor(kPlainItemBoss, 4, 1);
    InterfacePtr<ICommand> deleteItem(CmdUtils::CreateCommand(kDeleteUIDCmdBoss));
    deleteItem->SetItemList(UIDList(UIDRef(doc.DataBase(), item)));
    ASSERT_EQ(CmdUtils::ProcessCommand(deleteItem), kSuccess);
    EXPECT_EQ(items->GetOwnedUID(4, kPlainItemBoss), kInvalidUID);
    OwnedItemDataList found;
    EXPECT_EQ(items->CollectOwnedItems(RangeData(0, 20), kInvalidClass, &found), 0);
}

TEST_F(OwnedItems, ItemsWithDefaultBehaviourOutliveTheirTextAndAreNotCopied) {
    const UID plain = Anchor(kPlainItemBoss, 10, 7);
    const TextScrap scrap = doc.Model(story)->Copy(8, 5);
    EXPECT_TRUE(scrap.GetCarriedItems().empty());
    ASSERT_EQ(Process(cmds->DeleteCmd(8, 5)), kSuccess);
    EXPECT_TRUE(doc.DataBase()->IsValidUID(plain));
    EXPECT_EQ(items->GetOwnedItemIndex(plain), -1);
    EXPECT_TRUE(MementoLog().empty());
}

TEST_F(OwnedItems, PasteCarriesCopiesWithTheirDataLinksAndAttributes) {
    const UID start = Anchor(kTestMarkerBoss, 4, 11); // "quick"
    const UID end = Anchor(kTestMarkerBoss, 8, 12);
    doc.SetPartner(start, end);
    doc.SetPartner(end, start);
    ASSERT_EQ(Process(cmds->ApplyAttributeCmd(RangeData(4, 9), Attribute(kTestAttrBoss, end))), kSuccess);

    const TextScrap scrap = doc.Model(story)->Copy(4, 6); // "quick "
    ASSERT_EQ(scrap.GetCarriedItems().size(), 2u);
    MementoLog().clear();
    ASSERT_EQ(Process(cmds->PasteCmd(19, scrap)), kSuccess);
    EXPECT_EQ(doc.Text(story), u"The quick brown foxquick \r");

    const UID startCopy = items->GetOwnedUID(19, kTestMarkerBoss);
    const UID endCopy = items->GetOwnedUID(23, kTestMarkerBoss);
    ASSERT_NE(startCopy, kInvalidUID);
    ASSERT_NE(endCopy, kInvalidUID);
    EXPECT_NE(startCopy, start);
    EXPECT_EQ(doc.Payload(startCopy), 11);
    EXPECT_EQ(doc.Payload(endCopy), 12);
    EXPECT_EQ(doc.Partner(startCopy), endCopy); // relinked by the memento from the paste's pairs
    EXPECT_EQ(doc.Partner(endCopy), startCopy);
    EXPECT_EQ(doc.Partner(start), end); // the originals are untouched
    EXPECT_EQ(items->GetOwnedItemIndex(start), 4);

    InterfacePtr<IAttributeStrand> attributes(doc.Model(story), IID_IATTRIBUTESTRAND);
    EXPECT_EQ(attributes->GetAttributeRange(20, kTestAttrBoss), RangeData(19, 24));
    EXPECT_EQ(ValueOf(attributes->GetAttributes(20), kTestAttrBoss), endCopy); // names the copy
    EXPECT_EQ(ValueOf(attributes->GetAttributes(5), kTestAttrBoss), end);

    const std::string s = std::to_string(startCopy), e = std::to_string(endCopy);
    EXPECT_EQ(MementoLog(), (std::vector<std::string>{"reinserted " + s + "@19 from " + std::to_string(start),
                                                      "reinserted " + e + "@23 from " + std::to_string(end),
                                                      "done " + s, "done " + e}));

    ASSERT_EQ(History().Undo(), kSuccess);
    EXPECT_FALSE(doc.DataBase()->IsValidUID(startCopy));
    EXPECT_EQ(items->CountOwnedItems(), 2);
}

TEST_F(OwnedItems, CutAndPasteCarriesTheItemAfterTheOriginalWasDeleted) {
    const UID item = Anchor(kTestMarkerBoss, 10, 99);
    const TextScrap scrap = doc.Model(story)->Copy(10, 6); // "brown "
    ASSERT_EQ(Process(cmds->DeleteCmd(10, 6)), kSuccess);
    ASSERT_FALSE(doc.DataBase()->IsValidUID(item));
    ASSERT_EQ(Process(cmds->PasteCmd(0, scrap)), kSuccess);
    EXPECT_EQ(doc.Text(story), u"brown The quick fox\r");
    const UID copy = items->GetOwnedUID(0, kTestMarkerBoss);
    ASSERT_NE(copy, kInvalidUID);
    EXPECT_EQ(doc.Payload(copy), 99);
}

TEST_F(OwnedItems, PasteOverARangeRemovesItsItemsFirst) {
    const UID old = Anchor(kTestMarkerBoss, 0, 1);
    const UID carried = Anchor(kTestMarkerBoss, 16, 2); // "fox"
    const TextScrap scrap = doc.Model(story)->Copy(16, 3);
    MementoLog().clear();
    ASSERT_EQ(Process(cmds->PasteCmd(0, scrap, 3)), kSuccess); // "The" becomes "fox"
    EXPECT_EQ(doc.Text(story), u"fox quick brown fox\r");
    EXPECT_FALSE(doc.DataBase()->IsValidUID(old));
    EXPECT_EQ(MementoLog().front(), "removing " + std::to_string(old) + "@0");
    EXPECT_EQ(doc.Payload(items->GetOwnedUID(0, kTestMarkerBoss)), 2);
    EXPECT_EQ(items->GetOwnedUID(16, kTestMarkerBoss), carried);
}
} // namespace
