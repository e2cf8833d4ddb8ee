// Through the host's text selection: selecting marked words selects their notes (painted with the
// selection emphasis, which is no undo step of its own); an insertion point carries what the
// character after it carries; each text kind can be made from a selection; accept, reject and
// remove act on the markups the selection carries, each one undo step.
#include <gtest/gtest.h>

#include "../textmarkup/FoxMarkupsTest.h"
#include "INotesSelectionManager.h"
#include "INotesTextSelectionSuite.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/selection/ISelectionManager.h"

using A = INotesAnnotation;

namespace {
class TextSelectionSuiteTest : public FoxMarkupsTest {
protected:
    void SetUp() override {
        CoreFixture::ClearFailureLog();
        FoxMarkupsTest::SetUp();
        selection = InterfacePtr<ISelectionManager>(DocumentManager::Instance().GetLayoutView(doc.Document()),
                                                    IID_ISELECTIONMANAGER);
        ASSERT_TRUE(selection);
        suite = InterfacePtr<INotesTextSelectionSuite>(static_cast<INotesTextSelectionSuite*>(
            selection->QueryIntegratorSuite(IID_INOTESTEXTSELECTIONSUITE)));
        ASSERT_TRUE(suite);
        fox = doc.Find(body, u"fox");
    }
    void Select(TextIndex start, TextIndex end) {
        ASSERT_EQ(selection->SelectText(UIDRef(doc.DB(), body), RangeData(start, end)), kSuccess);
    }
    void SelectWord(const std::u16string& word) {
        const TextIndex at = doc.Find(body, word);
        Select(at, at + static_cast<TextIndex>(word.size()));
    }
    UIDList SelectedNotes() {
        InterfacePtr<INotesSelectionManager> notes(doc.Doc(), IID_INOTESSELECTIONMANAGER);
        return notes->GetSelectedAnnotations();
    }
    UIDList Carried() {
        UIDList carried;
        EXPECT_EQ(suite->GetAnnotations(carried), kSuccess);
        return carried;
    }
    int32 Steps() const { return doc.DB()->GetUndoHistory().CountUndoSteps(); }

    InterfacePtr<ISelectionManager> selection;
    InterfacePtr<INotesTextSelectionSuite> suite;
    TextIndex fox = 0;
};

TEST_F(TextSelectionSuiteTest, SelectingMarkedWordsSelectsTheirNotesWithTheEmphasisAndNoUndoStep) {
    const int32 steps = Steps();
    SelectWord(u"fox");
    EXPECT_EQ(SelectedNotes().GetUIDs(), (std::vector<UID>{highlight, caret}))
        << "the highlight and the insertion before it both mark the f";
    EXPECT_EQ(doc.AttributeAt(body, fox + 1, kNotesTextMarkupAttrBoss), highlight);

    SelectWord(u"lazy");
    EXPECT_TRUE(SelectedNotes().IsEmpty());
    EXPECT_EQ(doc.AttributeAt(body, fox + 1, kNotesTextMarkupAttrBoss), kInvalidUID) << "the emphasis went";
    EXPECT_EQ(Steps(), steps) << "painting the selection is no step the user can undo";
    EXPECT_EQ(CoreFixture::FailureLogText(), "");
}

TEST_F(TextSelectionSuiteTest, AnInsertionPointCarriesTheMarkupsOfTheCharacterAfterIt) {
    Select(fox + 1, fox + 1);
    EXPECT_TRUE(suite->HasAnnotations());
    EXPECT_EQ(Carried().GetUIDs(), std::vector<UID>{highlight});
    EXPECT_TRUE(suite->CanInsertAtCaret());
    EXPECT_FALSE(suite->CanMarkText());
    EXPECT_FALSE(suite->HasTextEdits());
    EXPECT_FALSE(suite->IsInNoteFrame());

    Select(0, 3);
    EXPECT_FALSE(suite->HasAnnotations());
    EXPECT_TRUE(suite->CanMarkText());
    RangeData range;
    uint32 threadKey = 7;
    UID story = kInvalidUID;
    ASSERT_EQ(suite->GetTextRange(range, threadKey, story), kSuccess);
    EXPECT_EQ(range, RangeData(0, 3));
    EXPECT_EQ(story, body);
}

TEST_F(TextSelectionSuiteTest, EveryTextKindIsMadeFromTheSelectionInOneUndoStep) {
    struct Case {
        A::NotesAnnotationType type;
        const char16_t* word;
    };
    const Case cases[] = {{A::kHighlightAnnotation, u"quick"},
                          {A::kUnderlineAnnotation, u"brown"},
                          {A::kSquigglyAnnotation, u"jumps"},
                          {A::kStrikethroughAnnotation, u"over"},
                          {A::kRedactionAnnotation, u"lazy"}};
    for (const Case& c : cases) {
        SelectWord(c.word);
        const int32 steps = Steps();
        UID made = kInvalidUID;
        ASSERT_EQ(suite->NewTextMarkup(c.type, made), kSuccess);
        InterfacePtr<A> record(UIDRef(doc.DB(), made), IID_INOTESANNOTATION);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->GetType(), c.type);
        EXPECT_EQ(doc.Marked(made), c.word);
        EXPECT_EQ(Steps(), steps + 1);
    }
    const std::u16string text = doc.Text(body);
    const TextIndex dog = doc.Find(body, u"dog");
    Select(dog, dog);
    UID insertion = kInvalidUID;
    ASSERT_EQ(suite->NewTextMarkup(A::kCaretAnnotation, insertion), kSuccess);
    EXPECT_EQ(doc.Marked(insertion), u"d");

    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(insertion));
    EXPECT_EQ(doc.Text(body), text);
}

TEST_F(TextSelectionSuiteTest, AcceptRejectAndRemoveActOnTheCarriedMarkupsInOneUndoStepEach) {
    const std::u16string text = doc.Text(body);
    SelectWord(u"fox");
    ASSERT_TRUE(suite->HasTextEdits());
    int32 steps = Steps();
    ASSERT_EQ(suite->AcceptTextEdits(), kSuccess);
    EXPECT_NE(doc.Text(body), text) << "the insertion went into the text";
    EXPECT_FALSE(doc.DB()->IsValidUID(caret));
    EXPECT_TRUE(doc.DB()->IsValidUID(highlight)) << "a highlight is no text edit";
    EXPECT_EQ(Steps(), steps + 1);
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(doc.Text(body), text);
    EXPECT_TRUE(doc.DB()->IsValidUID(caret));

    SelectWord(u"fox");
    steps = Steps();
    ASSERT_EQ(suite->RejectTextEdits(), kSuccess);
    EXPECT_EQ(doc.Text(body), text);
    EXPECT_FALSE(doc.DB()->IsValidUID(caret));
    EXPECT_EQ(Steps(), steps + 1);
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);

    SelectWord(u"fox");
    steps = Steps();
    ASSERT_EQ(suite->DeleteAnnotations(), kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(caret));
    EXPECT_FALSE(doc.DB()->IsValidUID(highlight));
    EXPECT_EQ(doc.Text(body), text);
    EXPECT_EQ(Steps(), steps + 1);
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(doc.Marked(highlight), u"fox");
    EXPECT_EQ(CoreFixture::FailureLogText(), "");
}

TEST_F(TextSelectionSuiteTest, WithoutATextSelectionTheSuiteAnswersNoAndDoesNothing) {
    selection->DeselectAll();
    EXPECT_FALSE(suite->HasAnnotations());
    EXPECT_FALSE(suite->CanMarkText());
    EXPECT_FALSE(suite->CanInsertAtCaret());
    const int32 steps = Steps();
    EXPECT_EQ(suite->DeleteAnnotations(), kSuccess);
    EXPECT_EQ(Steps(), steps);
    EXPECT_TRUE(doc.DB()->IsValidUID(highlight));
}
} // namespace
