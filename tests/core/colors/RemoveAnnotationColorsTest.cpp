// Removing the annotation swatches: the clear command lets go of the "Annotation Color" swatches and
// forgets every slot; the user-level removal deletes those and every swatch named like a kind swatch,
// asking first when an "Annotation Color" swatch is in use: "Yes" keeps them all, "No" deletes them
// with the replacement picked in the host's delete-swatch choice. All of it is one undo step.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "ColorTestDocument.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/ISwatchList.h"
#include "host/ui/ScriptedAlertResponder.h"

using A = INotesAnnotation;

namespace {
constexpr int16 kYes = 1;
constexpr int16 kNo = 2;
const char* const kQuestion = "Some annotation swatches are used. Do you want to keep annotation swatches?";

class RemoveAnnotationColorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoreFixture::ClearFailureLog();
        standardCount = doc.SwatchCount();
        orange = doc.Manager()->GetColor({1, 0.5, 0}, A::kHighlightAnnotation);
        teal = doc.Manager()->GetColor({0, 0.5, 0.5}, A::kLineAnnotation);
        highlight = doc.Manager()->GetColor({1, 1, 0}, A::kHighlightAnnotation);
        underline = doc.Manager()->GetColor({0, 1, 0}, A::kSquigglyAnnotation);
        ASSERT_EQ(doc.SwatchCount(), standardCount + 4);
    }
    ErrorCode ClearAllColors(const UIDList& items) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesClearAllColorsCmdBoss));
        cmd->SetItemList(items);
        return CmdUtils::ProcessCommand(cmd);
    }
    void ExpectListCleared() {
        EXPECT_EQ(doc.List()->GetColorCount(), 0);
        for (int32 type = A::kStickyNoteAnnotation; type <= A::kNotImportedColorIndex; ++type)
            EXPECT_EQ(doc.List()->GetKindColor(type), kInvalidUID) << type;
    }
    std::vector<UID> AnnotationSwatches() const { return {orange, teal, highlight, underline}; }

    ColorTestDocument doc;
    ScriptedAlertResponder responder;
    ScopedAlertResponder scope{&responder};
    int32 standardCount = 0;
    UID orange = kInvalidUID, teal = kInvalidUID, highlight = kInvalidUID, underline = kInvalidUID;
};

TEST_F(RemoveAnnotationColorsTest, AnnotationSwatchesAreKeptFromTheUserUntilLetGo) {
    for (UID swatch : AnnotationSwatches())
        EXPECT_FALSE(doc.IsEditable(swatch)) << doc.NameOf(swatch);
    const UID mine = doc.NewUserSwatch("Mine", {0.2, 0.2, 0.2});
    EXPECT_TRUE(doc.IsEditable(mine));
}

TEST_F(RemoveAnnotationColorsTest, ClearingLetsGoOfOtherSwatchesAndForgetsAllButDeletesNothing) {
    ASSERT_EQ(ClearAllColors(UIDList(doc.Root())), kSuccess);
    ExpectListCleared();
    EXPECT_EQ(doc.SwatchCount(), standardCount + 4);
    EXPECT_TRUE(doc.IsEditable(orange));
    EXPECT_TRUE(doc.IsEditable(teal));
    EXPECT_FALSE(doc.IsEditable(highlight)); // kind swatches are not in the list
    // The next highlight of the default colour makes a new kind swatch.
    const UID again = doc.Manager()->GetColor({1, 1, 0}, A::kHighlightAnnotation);
    EXPECT_NE(again, highlight);
    EXPECT_EQ(doc.SwatchesNamed("Highlight Annotation Color").Length(), 2);
}

TEST_F(RemoveAnnotationColorsTest, ClearingWantsExactlyTheDocument) {
    UIDList two(doc.Root());
    two.Append(doc.DB()->GetRootUID());
    EXPECT_NE(ClearAllColors(two), kSuccess);
    EXPECT_NE(ClearAllColors(UIDList(doc.DB())), kSuccess);
    EXPECT_EQ(doc.List()->GetColorCount(), 2);
    EXPECT_EQ(doc.List()->GetKindColor(A::kHighlightAnnotation), highlight);
    EXPECT_NE(CoreFixture::FailureLogText().find("NotesClearAllColorsCmd.cpp("), std::string::npos);
    EXPECT_NE(CoreFixture::FailureLogText().find("): GetItemList()->Length() == 1 == false\r\n"),
              std::string::npos);
}

TEST_F(RemoveAnnotationColorsTest, ClearingIsUndoable) {
    ASSERT_EQ(ClearAllColors(UIDList(doc.Root())), kSuccess);
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(doc.List()->GetColorCount(), 2);
    EXPECT_EQ(doc.List()->GetKindColor(A::kUnderlineAnnotation), underline);
    EXPECT_FALSE(doc.IsEditable(orange));
}

TEST_F(RemoveAnnotationColorsTest, UnusedSwatchesAreAllDeletedWithoutAQuestion) {
    const UID mine = doc.NewUserSwatch("Mine", {0.2, 0.2, 0.2});
    // Kind swatches in use do not lead to a question: only "Annotation Color" swatches decide.
    const UID item = doc.NewItemStrokedWith(highlight);

    doc.Manager()->RemoveAnnotationColors();
    EXPECT_TRUE(responder.GetRequests().empty());
    for (UID swatch : AnnotationSwatches())
        EXPECT_FALSE(doc.DB()->IsValidUID(swatch)) << swatch;
    EXPECT_EQ(doc.SwatchCount(), standardCount + 1);
    EXPECT_TRUE(doc.IsListed(mine));
    EXPECT_EQ(doc.StrokeOf(item), InterfacePtr<ISwatchList>(doc.Root())->GetNoneSwatchUID());
    ExpectListCleared();
}

TEST_F(RemoveAnnotationColorsTest, KindSwatchesAreFoundByNameAfterAnEarlierClear) {
    ASSERT_EQ(ClearAllColors(UIDList(doc.Root())), kSuccess);
    const UID newer = doc.Manager()->GetColor({1, 1, 0}, A::kHighlightAnnotation);
    // Even a swatch the user named like a kind swatch goes.
    const UID named = doc.NewUserSwatch("Underline Annotation Color", {0.3, 0.3, 0.3});
    const UID item = doc.NewItemStrokedWith(orange);

    doc.Manager()->RemoveAnnotationColors();
    // The cleared "Annotation Color" swatches are the user's now: not asked about, not deleted.
    EXPECT_TRUE(responder.GetRequests().empty());
    EXPECT_TRUE(doc.IsListed(orange));
    EXPECT_TRUE(doc.IsListed(teal));
    EXPECT_EQ(doc.StrokeOf(item), orange);
    for (UID swatch : {highlight, underline, newer, named})
        EXPECT_FALSE(doc.DB()->IsValidUID(swatch)) << swatch;
    EXPECT_EQ(doc.SwatchCount(), standardCount + 2);
}

TEST_F(RemoveAnnotationColorsTest, UsedSwatchesAreKeptWhenTheUserSaysYesButTheListIsCleared) {
    const UID item = doc.NewItemStrokedWith(orange);
    responder.QueueAnswer(kYes);
    doc.Manager()->RemoveAnnotationColors();

    ASSERT_EQ(responder.GetRequests().size(), 1u);
    const AlertRequest& asked = responder.GetRequests()[0];
    EXPECT_EQ(asked.kind, AlertRequest::kQuestion);
    EXPECT_EQ(asked.message.GetUTF8String(), kQuestion);
    ASSERT_EQ(asked.buttons.size(), 2u);
    EXPECT_EQ(asked.buttons[0].GetUTF8String(), "Yes");
    EXPECT_EQ(asked.buttons[1].GetUTF8String(), "No");
    EXPECT_EQ(asked.defaultButton, 1);

    EXPECT_EQ(doc.SwatchCount(), standardCount + 4);
    EXPECT_EQ(doc.StrokeOf(item), orange);
    ExpectListCleared();
    // Every annotation swatch is the user's now, kind swatches included.
    for (UID swatch : AnnotationSwatches())
        EXPECT_TRUE(doc.IsEditable(swatch)) << doc.NameOf(swatch);
}

TEST_F(RemoveAnnotationColorsTest, UsedSwatchesGoWithTheReplacementTheUserPicksWhenTheUserSaysNo) {
    const UID mine = doc.NewUserSwatch("Mine", {0.2, 0.2, 0.2});
    const UID item = doc.NewItemStrokedWith(teal);
    responder.QueueAnswer(kNo);
    // The replacement choice lists None, the other standard swatches, then "Mine".
    responder.QueueAnswer(5);
    doc.Manager()->RemoveAnnotationColors();

    ASSERT_EQ(responder.GetRequests().size(), 2u);
    const AlertRequest& choice = responder.GetRequests()[1];
    ASSERT_EQ(choice.buttons.size(), 5u);
    EXPECT_EQ(choice.buttons[0].GetUTF8String(), "None");
    EXPECT_EQ(choice.buttons[4].GetUTF8String(), "Mine");
    EXPECT_EQ(choice.defaultButton, 1);
    for (const char* deleted :
         {"Annotation Color", "Highlight Annotation Color", "Underline Annotation Color"})
        EXPECT_NE(choice.message.GetUTF8String().find(deleted), std::string::npos) << deleted;

    for (UID swatch : AnnotationSwatches())
        EXPECT_FALSE(doc.DB()->IsValidUID(swatch)) << swatch;
    EXPECT_EQ(doc.StrokeOf(item), mine);
    EXPECT_EQ(doc.SwatchCount(), standardCount + 1);
    ExpectListCleared();
}

TEST_F(RemoveAnnotationColorsTest, TheDefaultReplacementIsNone) {
    const UID item = doc.NewItemStrokedWith(orange);
    responder.QueueAnswer(kNo); // the replacement choice then takes its default
    doc.Manager()->RemoveAnnotationColors();
    EXPECT_EQ(responder.GetRequests().size(), 2u);
    EXPECT_FALSE(doc.DB()->IsValidUID(orange));
    EXPECT_EQ(doc.StrokeOf(item), InterfacePtr<ISwatchList>(doc.Root())->GetNoneSwatchUID());
}

TEST_F(RemoveAnnotationColorsTest, TheRemovalIsOneUndoStep) {
    const UID item = doc.NewItemStrokedWith(orange);
    responder.QueueAnswer(kNo);
    doc.Manager()->RemoveAnnotationColors();
    ASSERT_FALSE(doc.DB()->IsValidUID(orange));

    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    for (UID swatch : AnnotationSwatches())
        EXPECT_TRUE(doc.IsListed(swatch)) << swatch;
    EXPECT_EQ(doc.StrokeOf(item), orange);
    EXPECT_EQ(doc.List()->GetNthColor(0), orange);
    EXPECT_EQ(doc.List()->GetKindColor(A::kHighlightAnnotation), highlight);
    EXPECT_FALSE(doc.IsEditable(orange));
}

TEST_F(RemoveAnnotationColorsTest, ADocumentWithoutAnnotationSwatchesIsLeftAlone) {
    ColorTestDocument fresh;
    const UID mine = fresh.NewUserSwatch("Mine", {0.2, 0.2, 0.2});
    const int32 before = fresh.SwatchCount();
    fresh.Manager()->RemoveAnnotationColors();
    EXPECT_TRUE(responder.GetRequests().empty());
    EXPECT_EQ(fresh.SwatchCount(), before);
    EXPECT_TRUE(fresh.IsEditable(mine));
}
} // namespace
