// Character attributes: runs formed by apply and clear, the attribute list at an index and the
// run around it, attributes following typed and deleted text, and undo.
#include <gtest/gtest.h>

#include "TextTestClasses.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/ITextModelCmds.h"

using namespace TextTestClasses;

namespace {
class CharacterAttributes : public ::testing::Test {
protected:
    void SetUp() override {
        story = doc.NewStory(u"abcdefghij");
        cmds = InterfacePtr<ITextModelCmds>(doc.Model(story), IID_ITEXTMODELCMDS);
        strand = InterfacePtr<IAttributeStrand>(doc.Model(story), IID_IATTRIBUTESTRAND);
    }
    ErrorCode Apply(TextIndex start, TextIndex end, ClassID cls, UID value) {
        return Process(cmds->ApplyAttributeCmd(RangeData(start, end), Attribute(cls, value)));
    }
    UID At(TextIndex index, ClassID cls = kTestAttrBoss) {
        return ValueOf(strand->GetAttributes(index), cls);
    }

    TextDocument doc;
    UID story = kInvalidUID;
    InterfacePtr<ITextModelCmds> cmds;
    InterfacePtr<IAttributeStrand> strand;
};

TEST_F(CharacterAttributes, ApplyMarksExactlyItsRangeAndClearCutsAHoleInIt) {
    ASSERT_EQ(Apply(2, 6, kTestAttrBoss, 5), kSuccess);
    EXPECT_FALSE(strand->GetAttributes(1).ContainsAttribute(kTestAttrBoss));
    for (TextIndex i = 2; i < 6; ++i)
        EXPECT_EQ(At(i), 5u) << i;
    EXPECT_FALSE(strand->GetAttributes(6).ContainsAttribute(kTestAttrBoss));
    EXPECT_EQ(strand->GetRunRange(3), RangeData(2, 6));
    EXPECT_EQ(strand->GetAttributeRange(3, kTestAttrBoss), RangeData(2, 6));
    EXPECT_EQ(strand->GetAttributeRange(7, kTestAttrBoss), RangeData(7, 7));

    ASSERT_EQ(Process(cmds->ClearAttributeCmd(RangeData(3, 4), kTestAttrBoss)), kSuccess);
    EXPECT_EQ(strand->GetAttributeRange(2, kTestAttrBoss), RangeData(2, 3));
    EXPECT_EQ(strand->GetAttributeRange(5, kTestAttrBoss), RangeData(4, 6));
    EXPECT_EQ(strand->GetChangePositions(RangeData(0, 11)), (std::vector<TextIndex>{2, 3, 4, 6}));
}

TEST_F(CharacterAttributes, AnAttributeRangeSpansRunsThatDifferOnlyInOtherAttributes) {
    ASSERT_EQ(Apply(0, 4, kTestAttrBoss, 5), kSuccess);
    ASSERT_EQ(Apply(4, 6, kTestAttrBoss, 6), kSuccess);
    ASSERT_EQ(Apply(2, 8, kOtherTestAttrBoss, 9), kSuccess);
    EXPECT_EQ(strand->GetRunRange(1), RangeData(0, 2));
    EXPECT_EQ(strand->GetAttributeRange(1, kTestAttrBoss), RangeData(0, 4)); // same value across runs
    EXPECT_EQ(strand->GetAttributeRange(4, kTestAttrBoss), RangeData(4, 6)); // another value
    EXPECT_EQ(strand->GetAttributeRange(5, kOtherTestAttrBoss), RangeData(2, 8));
    EXPECT_TRUE(strand->GetAttributes(3).ContainsAttribute(kOtherTestAttrBoss));
    EXPECT_EQ(At(3), 5u);

    // Applying the same value over the gap joins the runs into one.
    ASSERT_EQ(Apply(4, 6, kTestAttrBoss, 5), kSuccess);
    EXPECT_EQ(strand->GetAttributeRange(1, kTestAttrBoss), RangeData(0, 6));
}

TEST_F(CharacterAttributes, TypedTextTakesTheAttributesOfTheCharacterBeforeIt) {
    ASSERT_EQ(Apply(0, 3, kTestAttrBoss, 5), kSuccess);
    ASSERT_EQ(Process(cmds->InsertCmd(3, WideString("XY"))), kSuccess); // after 'c', which is marked
    EXPECT_EQ(At(3), 5u);
    EXPECT_EQ(At(4), 5u);
    EXPECT_FALSE(strand->GetAttributes(5).ContainsAttribute(kTestAttrBoss));
    ASSERT_EQ(Process(cmds->InsertCmd(0, WideString("<"))),
              kSuccess); // the story's start: the first character's
    EXPECT_EQ(At(0), 5u);
    EXPECT_EQ(strand->GetAttributeRange(0, kTestAttrBoss), RangeData(0, 6));
}

TEST_F(CharacterAttributes, DeletedTextTakesItsAttributesAlongAndUndoBringsThemBack) {
    ASSERT_EQ(Apply(2, 5, kTestAttrBoss, 5), kSuccess);
    ASSERT_EQ(Process(cmds->DeleteCmd(1, 3)), kSuccess); // "bcd": 'e' at 4 keeps its attribute, now at 1
    EXPECT_EQ(doc.Text(story), u"aefghij\r");
    EXPECT_EQ(strand->GetAttributeRange(1, kTestAttrBoss), RangeData(1, 2));

    ASSERT_EQ(doc.DataBase()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(strand->GetAttributeRange(3, kTestAttrBoss), RangeData(2, 5));
    ASSERT_EQ(doc.DataBase()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(strand->CountRuns(), 1);
    EXPECT_FALSE(strand->GetAttributes(3).ContainsAttribute(kTestAttrBoss));
}

TEST_F(CharacterAttributes, RunsThatAnEditMakesEqualAreJoinedWhereverTheyStand) {
    for (TextIndex at : {1, 3, 5, 7})
        ASSERT_EQ(Apply(at, at + 1, kTestAttrBoss, 5), kSuccess);
    EXPECT_EQ(strand->CountRuns(), 9);                   // a, b, c, d, e, f, g, h, then "ij\r"
    ASSERT_EQ(Process(cmds->DeleteCmd(2, 1)), kSuccess); // "c" goes: "b" and "d" meet
    EXPECT_EQ(strand->GetAttributeRange(1, kTestAttrBoss), RangeData(1, 3));
    EXPECT_EQ(strand->CountRuns(), 7);
    ASSERT_EQ(Apply(3, 6, kTestAttrBoss, 5), kSuccess); // fills the gaps up to "g"
    EXPECT_EQ(strand->GetAttributeRange(1, kTestAttrBoss), RangeData(1, 7));
    EXPECT_EQ(strand->CountRuns(), 3);
    ASSERT_EQ(Process(cmds->ClearAttributeCmd(RangeData(0, 10), kTestAttrBoss)), kSuccess);
    EXPECT_EQ(strand->CountRuns(), 1);
    ASSERT_EQ(Apply(0, 2, kTestAttrBoss, 5), kSuccess);
    ASSERT_EQ(Process(cmds->InsertCmd(2, WideString("XY"))), kSuccess); // typed after a marked character
    EXPECT_EQ(strand->GetAttributeRange(0, kTestAttrBoss), RangeData(0, 4));
    EXPECT_EQ(strand->CountRuns(), 2);
}

TEST_F(CharacterAttributes, RangesOutsideTheTextAreRefused) {
    EXPECT_NE(Apply(5, 12, kTestAttrBoss, 5), kSuccess);
    EXPECT_NE(Process(cmds->ClearAttributeCmd(RangeData(-1, 2), kTestAttrBoss)), kSuccess);
    EXPECT_EQ(strand->CountRuns(), 1);
    EXPECT_EQ(Apply(9, 11, kTestAttrBoss, 5), kSuccess); // the final return may carry attributes
    EXPECT_EQ(At(10), 5u);
}
} // namespace
