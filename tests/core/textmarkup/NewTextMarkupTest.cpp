// New text markups from a range of a story: every kind lands on its characters with the kind's
// swatch, an empty note, no author and the current date; the note opens beside the page at the
// height where the range stands in its frame, in its table cell, or at the foot of the last frame
// for overset text; a range outside the story or one its kind already marks makes nothing; one
// undo takes a new markup and its note away.
#include <gtest/gtest.h>

#include "INotesAnnotation.h"
#include "TestSupport.h"
#include "TextMarkupFixture.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IItemStrand.h"
#include "host/text/IRangeData.h"
#include "host/text/ITextModel.h"

using namespace TextMarkupFixture;
using A = INotesAnnotation;

namespace {
// Frames of the fixture's layout, in page coordinates: top and bottom edges.
constexpr PMReal kBodyTop = 72, kBodyBottom = 300, kTableTop = 320, kOversetBottom = 536;

class NewTextMarkupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(doc.DB(), nullptr);
        InterfacePtr<IPageList> pages(doc.Doc(), IID_IPAGELIST);
        page = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(doc.DB(), pages->GetNthPageUID(0)));
    }
    // Processes the new-text-markup command; the annotation, or kInvalidUID when none was made.
    UID New(UID story, RangeData range, int32 type) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesNewTextMarkupCmdBoss));
        InterfacePtr<IIntData>(cmd, IID_IINTDATA)->Set(type);
        InterfacePtr<IRangeData>(cmd, IID_IRANGEDATA)->Set(range);
        cmd->SetItemList(UIDList(UIDRef(doc.DB(), story)));
        const ErrorCode result = CmdUtils::ProcessCommand(cmd);
        EXPECT_EQ(result == kSuccess, cmd->GetItemList()->Length() == 1);
        return cmd->GetItemList()->Length() == 1 ? cmd->GetItemList()->At(0) : kInvalidUID;
    }
    RangeData Word(UID story, const std::u16string& word) {
        const TextIndex at = doc.Find(story, word);
        return RangeData(at, at + static_cast<TextIndex>(word.size()));
    }
    InterfacePtr<INotesAnnotation> Record(UID annotation) {
        return InterfacePtr<INotesAnnotation>(UIDRef(doc.DB(), annotation), IID_INOTESANNOTATION);
    }
    // The note rectangle's vertical centre, in page coordinates.
    PMReal NoteMiddle(UID annotation) {
        const PMPointList points = Record(annotation)->GetPoints();
        EXPECT_EQ(points.size(), 2u);
        return (points[0].Y() + points[1].Y()) / 2 - page.Top();
    }
    int32 Objects() { return static_cast<int32>(doc.DB()->GetAllUIDs().size()); }
    std::string Saved(const std::string& name) {
        const auto path = TestSupport::MakeTempDir("new-text-markup") / name;
        EXPECT_EQ(DocumentManager::Instance().SaveACopy(doc.Document(), path.string()), kSuccess);
        return TestSupport::ReadFile(path);
    }

    MarkupDocument doc;
    PMRect page;
};

TEST_F(NewTextMarkupTest, EveryKindMarksItsCharactersWithItsSwatchAnEmptyNoteAndTheDateOfNow) {
    const UID body = doc.Story("s");
    const IDTime before = IDTime::CurrentTime();
    for (int32 type = A::kHighlightAnnotation; type <= A::kCaretAnnotation; ++type) {
        const UID made = New(body, Word(body, u"quick brown"), type);
        ASSERT_NE(made, kInvalidUID) << type;
        auto record = Record(made);
        EXPECT_EQ(record->GetType(), type);
        EXPECT_EQ(record->GetColor(), doc.SwatchFor(static_cast<A::NotesAnnotationType>(type))) << type;
        EXPECT_TRUE(record->GetContent().IsEmpty());
        EXPECT_TRUE(record->GetAuthor().IsEmpty());
        EXPECT_TRUE(record->CanShowPopup());
        EXPECT_FALSE(record->GetDate() < before) << type;
        EXPECT_EQ(doc.Marked(made), type == A::kCaretAnnotation ? u"q" : u"quick brown") << type;
    }
}

TEST_F(NewTextMarkupTest, TheNoteOpensBesideThePageFromTheTopOfTheFrameForTheStartToTheFootForTheEnd) {
    const UID body = doc.Story("s");
    const UID first = New(body, RangeData(0, 3), A::kHighlightAnnotation);
    const UID last = New(body, Word(body, u"paragraph"), A::kHighlightAnnotation);
    ASSERT_NE(first, kInvalidUID);
    ASSERT_NE(last, kInvalidUID);
    const PMPointList points = Record(first)->GetPoints();
    EXPECT_NEAR(points[0].X(), page.Right(), 1e-6) << "beside the right edge of the only page";
    EXPECT_NEAR(points[1].X() - points[0].X(), 180, 1e-6);
    EXPECT_NEAR(points[1].Y() - points[0].Y(), 120, 1e-6);
    EXPECT_NEAR(NoteMiddle(first), kBodyTop, 0.05 * (kBodyBottom - kBodyTop));
    EXPECT_NEAR(NoteMiddle(last), kBodyBottom, 0.1 * (kBodyBottom - kBodyTop));
}

TEST_F(NewTextMarkupTest, ARangeInATableCellPlacesTheNoteAtTheCellsHeight) {
    const UID table = doc.Story("t");
    const UID made = New(table, Word(table, u"Rowan"), A::kUnderlineAnnotation);
    ASSERT_NE(made, kInvalidUID);
    EXPECT_EQ(doc.Marked(made), u"Rowan");
    // Below the frame's first line ("Table below"), inside the 40 pt row under it.
    EXPECT_GT(NoteMiddle(made), kTableTop + 14);
    EXPECT_LT(NoteMiddle(made), kTableTop + 14.4 + 40 + 2);
}

TEST_F(NewTextMarkupTest, ARangeInOversetTextUsesTheFootOfTheStorysLastFrame) {
    const UID overset = doc.Story("o");
    const UID made = New(overset, Word(overset, u"far below"), A::kSquigglyAnnotation);
    ASSERT_NE(made, kInvalidUID);
    EXPECT_NEAR(NoteMiddle(made), kOversetBottom, 1e-6);
}

TEST_F(NewTextMarkupTest, ARangeOutsideTheStoryOrAlreadyMarkedMakesNothing) {
    const UID body = doc.Story("s");
    InterfacePtr<ITextModel> model(UIDRef(doc.DB(), body), IID_ITEXTMODEL);
    const int32 length = model->TotalLength();
    ASSERT_NE(New(body, Word(body, u"fox"), A::kHighlightAnnotation), kInvalidUID);
    const int32 objects = Objects();
    EXPECT_EQ(New(body, Word(body, u"fox"), A::kHighlightAnnotation), kInvalidUID) << "the same twice";
    EXPECT_EQ(New(body, RangeData(length - 2, length + 5), A::kHighlightAnnotation), kInvalidUID);
    EXPECT_EQ(New(body, RangeData(-1, 3), A::kUnderlineAnnotation), kInvalidUID);
    EXPECT_EQ(New(body, RangeData(4, 4), A::kUnderlineAnnotation), kInvalidUID) << "nothing to underline";
    EXPECT_EQ(New(body, RangeData(length, length), A::kCaretAnnotation), kInvalidUID);
    EXPECT_EQ(New(body, Word(body, u"fox"), A::kStickyNoteAnnotation), kInvalidUID) << "not a text kind";
    EXPECT_EQ(Objects(), objects) << "no marker objects stay behind";
    EXPECT_NE(New(body, Word(body, u"fox"), A::kUnderlineAnnotation), kInvalidUID)
        << "another kind is welcome";
}

TEST_F(NewTextMarkupTest, OneUndoTakesANewMarkupAndItsNoteAway) {
    const UID body = doc.Story("s");
    const std::string before = Saved("before.phd");
    {
        CmdUtils::SequenceContext sequence;
        const UID made = New(body, Word(body, u"lazy"), A::kRedactionAnnotation);
        ASSERT_NE(made, kInvalidUID);
        InterfacePtr<ICommand> save(CmdUtils::CreateCommand(kNotesSaveNoteContentCmdBoss));
        InterfacePtr<IStringData>(save, IID_ISTRINGDATA)->Set(PMString("sleepy"));
        save->SetItemList(UIDList(UIDRef(doc.DB(), made)));
        ASSERT_EQ(CmdUtils::ProcessCommand(save), kSuccess);
    }
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_TRUE(Saved("after.phd") == before);
}
} // namespace
