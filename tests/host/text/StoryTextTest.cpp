// Stories: the final paragraph return, undoable insert/delete/replace, edits outside the text,
// unpaired surrogates and iteration by character, and a story surviving save and reopen.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "TextTestClasses.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/Boss.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/IItemStrand.h"
#include "host/text/IStoryList.h"
#include "host/text/ITextModelCmds.h"
#include "host/text/ITextStrand.h"
#include "host/text/TextIterator.h"

using namespace TextTestClasses;

namespace {
InterfacePtr<ITextModelCmds> Cmds(const TextDocument& doc, UID story) {
    return InterfacePtr<ITextModelCmds>(doc.Model(story), IID_ITEXTMODELCMDS);
}

TEST(StoryText, ANewStoryHoldsOnlyItsFinalReturnAndIsListed) {
    TextDocument doc;
    InterfacePtr<IStoryList> stories(ObjectModel::CheckedCast<IStoryList>(
        doc.DataBase()->Instantiate(doc.DataBase()->GetRootUID(), IID_ISTORYLIST)));
    ASSERT_NE(stories, nullptr);
    const int32 before = stories->CountStories();
    const UID story = doc.NewStory();
    ASSERT_NE(story, kInvalidUID);
    EXPECT_EQ(stories->CountStories(), before + 1);
    EXPECT_EQ(stories->GetNthStoryUID(before), story);
    EXPECT_EQ(doc.DataBase()->GetClass(story), kTextStoryBoss);
    EXPECT_EQ(doc.Model(story)->TotalLength(), 1);
    EXPECT_EQ(doc.Text(story), u"\r");

    ASSERT_EQ(doc.DataBase()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(stories->CountStories(), before);
    EXPECT_FALSE(doc.DataBase()->IsValidUID(story));
}

TEST(StoryText, InsertDeleteAndReplaceAreEachOneUndoableStep) {
    TextDocument doc;
    const UID story = doc.NewStory();
    InterfacePtr<ITextModelCmds> cmds = Cmds(doc, story);
    UndoHistory& history = doc.DataBase()->GetUndoHistory();

    ASSERT_EQ(Process(cmds->InsertCmd(0, WideString("Hello world"))), kSuccess);
    ASSERT_EQ(Process(cmds->ReplaceCmd(6, 5, WideString("there"))), kSuccess);
    ASSERT_EQ(Process(cmds->DeleteCmd(0, 6)), kSuccess);
    EXPECT_EQ(doc.Text(story), u"there\r");
    EXPECT_EQ(history.GetUndoName(), PMString("Delete Text"));

    ASSERT_EQ(history.Undo(), kSuccess);
    EXPECT_EQ(doc.Text(story), u"Hello there\r");
    ASSERT_EQ(history.Undo(), kSuccess);
    EXPECT_EQ(doc.Text(story), u"Hello world\r");
    ASSERT_EQ(history.Undo(), kSuccess);
    EXPECT_EQ(doc.Text(story), u"\r");
    ASSERT_EQ(history.Redo(), kSuccess);
    ASSERT_EQ(history.Redo(), kSuccess);
    EXPECT_EQ(doc.Text(story), u"Hello there\r");
    EXPECT_EQ(doc.Model(story)->TotalLength(), 12);
}

TEST(StoryText, EditsReachingTheFinalReturnOrOutsideFailAndChangeNothing) {
    TextDocument doc;
    const UID story = doc.NewStory(u"abc");
    InterfacePtr<ITextModelCmds> cmds = Cmds(doc, story);
    const int32 steps = doc.DataBase()->GetUndoHistory().CountUndoSteps();

    EXPECT_NE(Process(cmds->InsertCmd(4, WideString("x"))), kSuccess); // after the final return
    EXPECT_NE(Process(cmds->InsertCmd(-1, WideString("x"))), kSuccess);
    EXPECT_NE(Process(cmds->DeleteCmd(2, 2)), kSuccess); // would take the final return
    EXPECT_NE(Process(cmds->DeleteCmd(0, -1)), kSuccess);
    EXPECT_NE(Process(cmds->ReplaceCmd(1, 3, WideString("x"))), kSuccess);
    EXPECT_EQ(doc.Text(story), u"abc\r");
    EXPECT_EQ(doc.DataBase()->GetUndoHistory().CountUndoSteps(), steps);

    // The last character before the return can go; inserting right before the return works.
    EXPECT_EQ(Process(cmds->DeleteCmd(2, 1)), kSuccess);
    EXPECT_EQ(Process(cmds->InsertCmd(2, WideString("Z"))), kSuccess);
    EXPECT_EQ(doc.Text(story), u"abZ\r");
}

TEST(StoryText, UnpairedSurrogatesAreKeptAndIteratedAsCharactersOfTheirOwn) {
    TextDocument doc;
    const std::u16string text = {u'a', 0xD800, u'b', 0xDC00, 0xD83D, 0xDE00, 0xDBFF};
    const UID story = doc.NewStory(text);
    EXPECT_EQ(doc.Text(story), text + u"\r");

    InterfacePtr<ITextModel> model = doc.Model(story);
    std::vector<UTF32TextChar> forward;
    std::vector<TextIndex> positions;
    for (TextIterator it(model, 0); !it.IsAtEnd(); ++it) {
        forward.push_back(*it);
        positions.push_back(it.Position());
    }
    EXPECT_EQ(forward, (std::vector<UTF32TextChar>{u'a', 0xD800, u'b', 0xDC00, 0x1F600, 0xDBFF, u'\r'}));
    EXPECT_EQ(positions, (std::vector<TextIndex>{0, 1, 2, 3, 4, 6, 7}));

    TextIterator back(model, 6);
    --back;
    EXPECT_EQ(back.Position(), 4); // steps over the whole pair
    EXPECT_EQ(*back, 0x1F600u);
    --back;
    EXPECT_EQ(*back, 0xDC00u); // a lone low surrogate is not joined with the 'b' before it

    // Cutting a pair in half by an edit leaves both halves as they are.
    InterfacePtr<ITextModelCmds> cmds = Cmds(doc, story);
    ASSERT_EQ(Process(cmds->DeleteCmd(5, 1)), kSuccess);
    EXPECT_EQ(*TextIterator(model, 4), 0xD83Du);
}

TEST(StoryText, CopyOfARangeIsClippedToTheText) {
    TextDocument doc;
    const UID story = doc.NewStory(u"Hello");
    InterfacePtr<ITextModel> model = doc.Model(story);
    EXPECT_EQ(model->Copy(1, 3).GetText().GetUTF16(), u"ell");
    EXPECT_EQ(model->Copy(3, 100).GetText().GetUTF16(), u"lo\r");
    EXPECT_EQ(model->Copy(-2, 3).GetText().GetUTF16(), u"H");
    EXPECT_EQ(model->Copy(10, 3).Length(), 0);

    WideString collected;
    TextIterator it(model, 1);
    it.AppendToStringAndIncrement(&collected, 3);
    EXPECT_EQ(collected.GetUTF16(), u"ell");
    EXPECT_EQ(it.Position(), 4);
}

// Found by fuzzing `pagehost render`: a stored attribute run that does not start at 0 sent the look-up
// of the run at an index before it one element before the runs. Runs that do not start at 0 and then
// ascend inside the text read as damaged: the text keeps its length, with no attributes.
TEST(StoryText, StoredAttributeRunsThatDoNotStartAtZeroReadAsOneRunOfNoAttributes) {
    TextDocument doc;
    const UID story = doc.NewStory(u"Some text");
    InterfacePtr<ITextModel> model = doc.Model(story);
    Boss* boss = Boss::FromUnknown(model.get());
    std::vector<Boss::Section> sections = boss->WriteSections();
    for (Boss::Section& section : sections)
        if (section.iid == IID_IATTRIBUTESTRAND) {
            ASSERT_GE(section.bytes.size(), 12u); // length, run count, first run's start, ...
            section.bytes[8] = 5;
        }
    boss->ReadSections(sections);
    InterfacePtr<IAttributeStrand> attributes(model, IID_IATTRIBUTESTRAND);
    EXPECT_EQ(attributes->CountRuns(), 1);
    EXPECT_EQ(attributes->GetRunRange(0), RangeData(0, model->TotalLength()));
    EXPECT_EQ(attributes->GetAttributes(0).CountBosses(), 0);
}

TEST(StoryText, DamagedStoredStrandsReadAsSomethingUsableInsteadOfCrashing) {
    TextDocument doc;
    const UID story = doc.NewStory(u"Some text");
    InterfacePtr<ITextModel> model = doc.Model(story);
    Boss* boss = Boss::FromUnknown(model.get());
    const std::vector<uint8> hugeCount = {0xFF, 0xFF, 0xFF, 0x7F, 1, 2};
    const std::vector<uint8> negative = {0xF0, 0xFF, 0xFF, 0xFF};
    boss->ReadSections({{IID_ITEXTSTRAND, kTextStrandImpl, hugeCount},
                        {IID_IATTRIBUTESTRAND, kAttributeStrandImpl, negative},
                        {IID_IITEMSTRAND, kItemStrandImpl, hugeCount}});
    EXPECT_EQ(model->TotalLength(), 0);
    InterfacePtr<IItemStrand> items(model, IID_IITEMSTRAND);
    EXPECT_EQ(items->CountOwnedItems(), 0);
    InterfacePtr<IAttributeStrand> attributes(model, IID_IATTRIBUTESTRAND);
    EXPECT_EQ(attributes->CountRuns(), 0);
    EXPECT_TRUE(model->Copy(0, 5).GetText().IsEmpty());
    EXPECT_EQ(*TextIterator(model, 0), 0u);
}

TEST(StoryText, TextAttributesAndOwnedItemsSurviveSaveAndReopen) {
    const std::string path = (TestSupport::MakeTempDir("story-reopen") / "story.pagehost").string();
    UID story = kInvalidUID;
    UID item = kInvalidUID;
    {
        TextDocument doc;
        story = doc.NewStory(u"Marked words here");
        item = doc.NewItem(kTestMarkerBoss, 77);
        InterfacePtr<ITextModelCmds> cmds = Cmds(doc, story);
        ASSERT_EQ(Process(cmds->SetOwnedItemCmd(7, item, kTestMarkerBoss)), kSuccess);
        ASSERT_EQ(Process(cmds->ApplyAttributeCmd(RangeData(0, 6), Attribute(kTestAttrBoss, item))),
                  kSuccess);
        ASSERT_EQ(DocumentManager::Instance().SaveDocumentAs(doc.Document(), path), kSuccess);
    }
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(path);
    ASSERT_NE(opened.document, nullptr) << opened.message;
    IDataBase* db = opened.document->GetDocumentDataBase();
    InterfacePtr<ITextStrand> text(
        ObjectModel::CheckedCast<ITextStrand>(db->Instantiate(story, IID_ITEXTSTRAND)));
    InterfacePtr<IItemStrand> items(
        ObjectModel::CheckedCast<IItemStrand>(db->Instantiate(story, IID_IITEMSTRAND)));
    InterfacePtr<IAttributeStrand> attributes(
        ObjectModel::CheckedCast<IAttributeStrand>(db->Instantiate(story, IID_IATTRIBUTESTRAND)));
    ASSERT_TRUE(text && items && attributes);
    EXPECT_EQ(text->GetUTF16(), u"Marked words here\r");
    EXPECT_EQ(items->GetOwnedUID(7, kTestMarkerBoss), item);
    EXPECT_EQ(ValueOf(attributes->GetAttributes(3), kTestAttrBoss), item);
    EXPECT_EQ(attributes->GetAttributeRange(3, kTestAttrBoss), RangeData(0, 6));
    DocumentManager::Instance().CloseDocument(opened.document);
}
} // namespace
