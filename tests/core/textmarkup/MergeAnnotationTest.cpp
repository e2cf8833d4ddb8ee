// Joining a strike-through and a caret into a replacement: a caret inside the struck text or right
// after it makes one redaction over the struck characters with the caret's note, author and colour
// and the strike-through's points, and both go; a caret further away, a kind mix-up or a redaction
// already over the words leaves the pair as it was; the caret's popup (else the strike-through's)
// passes to the replacement and survives the pair's deletion; one undo brings the pair back.
#include <gtest/gtest.h>

#include "INotesAnnotation.h"
#include "TextMarkupFixture.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "textmarkup/NotesTextMarkupClasses.h"

using namespace TextMarkupFixture;
using namespace CoreFixture;
using A = INotesAnnotation;

namespace {
class MergeAnnotationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(doc.DB(), nullptr);
        body = doc.Story("s");
        fox = RangeData(doc.Find(body, u"fox"), doc.Find(body, u"fox") + 3);
        strike = doc.Mark(body, fox, A::kStrikethroughAnnotation, "struck");
        ASSERT_NE(strike, kInvalidUID);
    }
    UID Caret(TextIndex at, const std::string& content = "wolf") {
        const UID caret = doc.Mark(body, RangeData(at, at), A::kCaretAnnotation, content);
        EXPECT_NE(caret, kInvalidUID);
        return caret;
    }
    // The merge's result, kInvalidUID when it failed.
    UID Merge(UID strikeThru, UID caret) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesMergeAnnotationCmdBoss));
        InterfacePtr<IUIDData>(cmd, IID_IUIDDATA)->Set(caret);
        cmd->SetItemList(UIDList(UIDRef(doc.DB(), strikeThru)));
        const ErrorCode result = CmdUtils::ProcessCommand(cmd);
        return result == kSuccess && cmd->GetItemList()->Length() == 1 ? cmd->GetItemList()->At(0)
                                                                       : kInvalidUID;
    }
    InterfacePtr<INotesAnnotation> Record(UID annotation) {
        return InterfacePtr<INotesAnnotation>(UIDRef(doc.DB(), annotation), IID_INOTESANNOTATION);
    }
    InterfacePtr<IUIDData> Reference(UID item) {
        return InterfacePtr<IUIDData>(UIDRef(doc.DB(), item), IID_INOTESANNOTATIONREFERENCE);
    }
    int32 Markers() {
        int32 count = 0;
        for (UID uid : doc.DB()->GetAllUIDs())
            count += NotesTextMarkupClasses::IsMarkerClass(doc.DB()->GetClass(uid)) ? 1 : 0;
        return count;
    }
    // A popup stand-in that names its annotation, made in a command like real popups.
    UID PopupOf(UID annotation) {
        CmdUtils::SequenceContext sequence;
        const UID popup = NewRecordItem(doc.DB());
        Reference(popup)->Set(annotation);
        Reference(annotation)->Set(popup);
        return popup;
    }
    void ExpectPairStands(UID caret) {
        EXPECT_EQ(doc.Marked(strike), u"fox");
        EXPECT_TRUE(doc.DB()->IsValidUID(caret));
        EXPECT_EQ(Markers(), 4);
    }

    MarkupDocument doc;
    UID body = kInvalidUID;
    RangeData fox;
    UID strike = kInvalidUID;
};

TEST_F(MergeAnnotationTest, ACaretRightAfterTheStruckWordMakesOneReplacementWithItsNote) {
    const PMPointList strikePoints = Record(strike)->GetPoints();
    const UID caret = Caret(fox.End());
    const UID color = Record(caret)->GetColor();
    const UID replacement = Merge(strike, caret);
    ASSERT_NE(replacement, kInvalidUID);
    auto record = Record(replacement);
    EXPECT_EQ(record->GetType(), A::kRedactionAnnotation);
    EXPECT_EQ(record->GetContent(), PMString("wolf"));
    EXPECT_EQ(record->GetAuthor(), PMString("Reviewer"));
    EXPECT_EQ(record->GetColor(), color);
    EXPECT_EQ(record->GetPoints(), strikePoints);
    EXPECT_EQ(doc.Marked(replacement), u"fox");
    EXPECT_NE(doc.AttributeAt(body, fox.Start(), kNotesTextRedactionAttrBoss), kInvalidUID);
    EXPECT_EQ(doc.AttributeAt(body, fox.Start(), kNotesTextStrikethroughAttrBoss), kInvalidUID);
    EXPECT_EQ(doc.AttributeAt(body, fox.End(), kNotesTextCaretAttrBoss), kInvalidUID);
    EXPECT_FALSE(doc.DB()->IsValidUID(strike));
    EXPECT_FALSE(doc.DB()->IsValidUID(caret));
    EXPECT_EQ(Markers(), 2);
}

TEST_F(MergeAnnotationTest, ACaretInsideTheStruckTextJoinsIt) {
    EXPECT_NE(Merge(strike, Caret(fox.Start() + 1)), kInvalidUID);
    EXPECT_EQ(Markers(), 2);
}

TEST_F(MergeAnnotationTest, APairThatCannotBeJoinedStaysAsItWas) {
    const UID far = Caret(fox.End() + 1); // two characters after the struck word
    EXPECT_EQ(Merge(strike, far), kInvalidUID);
    ExpectPairStands(far);
    EXPECT_EQ(Merge(far, strike), kInvalidUID) << "the kinds the wrong way round";
    ExpectPairStands(far);
}

TEST_F(MergeAnnotationTest, AReplacementAlreadyOverTheWordsLeavesThePairAlone) {
    ASSERT_NE(doc.Mark(body, fox, A::kRedactionAnnotation, "earlier"), kInvalidUID);
    const UID caret = Caret(fox.End());
    EXPECT_EQ(Merge(strike, caret), kInvalidUID);
    EXPECT_EQ(doc.Marked(strike), u"fox");
    EXPECT_TRUE(doc.DB()->IsValidUID(caret));
    EXPECT_EQ(Markers(), 6);
}

TEST_F(MergeAnnotationTest, TheCaretsPopupPassesToTheReplacement) {
    const UID caret = Caret(fox.End());
    const UID caretPopup = PopupOf(caret);
    const UID replacement = Merge(strike, caret);
    ASSERT_NE(replacement, kInvalidUID) << FailureLogText();
    EXPECT_EQ(Reference(replacement)->GetUID(), caretPopup);
    ASSERT_TRUE(doc.DB()->IsValidUID(caretPopup)) << "deleting the caret left its popup";
    EXPECT_EQ(Reference(caretPopup)->GetUID(), replacement) << "the popup names its new annotation";
}

TEST_F(MergeAnnotationTest, APopupBothShareIsKept) {
    const UID caret = Caret(fox.End());
    const UID popup = PopupOf(strike);
    {
        CmdUtils::SequenceContext sequence;
        Reference(caret)->Set(popup);
    }
    const UID replacement = Merge(strike, caret);
    ASSERT_NE(replacement, kInvalidUID) << FailureLogText();
    ASSERT_TRUE(doc.DB()->IsValidUID(popup));
    EXPECT_EQ(Reference(replacement)->GetUID(), popup);
    EXPECT_EQ(Reference(popup)->GetUID(), replacement);
}

TEST_F(MergeAnnotationTest, WithoutACaretPopupTheStrikeThroughsIsKept) {
    const UID strikePopup = PopupOf(strike);
    const UID replacement = Merge(strike, Caret(fox.End()));
    ASSERT_NE(replacement, kInvalidUID);
    EXPECT_EQ(Reference(replacement)->GetUID(), strikePopup);
    EXPECT_EQ(Reference(strikePopup)->GetUID(), replacement);
}

TEST_F(MergeAnnotationTest, OneUndoBringsThePairBack) {
    const UID caret = Caret(fox.End());
    ASSERT_NE(Merge(strike, caret), kInvalidUID);
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    ExpectPairStands(caret);
    EXPECT_EQ(doc.Marked(caret), u" ");
    EXPECT_EQ(doc.AttributeAt(body, fox.Start(), kNotesTextRedactionAttrBoss), kInvalidUID);
}
} // namespace
