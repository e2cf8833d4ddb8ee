// The text position at a pasteboard point: of a frame column, of a multi-column frame, of a
// story thread's parcel and of a spread, across threaded frames, columns and overlapping frames;
// -1 where a column holds the point but no line does, and no story where no column does.
#include <gtest/gtest.h>

#include <cmath>

#include "TextFrameDocument.h"
#include "host/document/IHierarchy.h"
#include "host/text/IFrameUtils.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"

namespace {
class TextPosition : public ::testing::Test {
protected:
    // The middle of character `index` on its line, in pasteboard coordinates (the frame shows it).
    PMPoint MiddleOf(const TextFrameDocument::Frame& frame, TextIndex index) {
        const TextComposition& composition = doc.Get<ITextParcelList>(frame.story)->GetComposition();
        for (int32 n = 0; n < composition.CountAllLines(); ++n) {
            const WaxLine& line = composition.GetNthLine(n);
            for (const WaxRun& run : line.GetRuns())
                if (run.GetTextRange().Contains(index)) {
                    PMReal x = run.GetX();
                    for (TextIndex i = run.GetTextRange().Start(); i < index; ++i)
                        x += run.GetAdvances()[static_cast<size_t>(i - run.GetTextRange().Start())];
                    x += run.GetAdvances()[static_cast<size_t>(index - run.GetTextRange().Start())] / 2;
                    const UID column = static_cast<UID>(composition.GetParcel(line.GetParcelIndex()).key);
                    return ColumnPoint(frame, column, PMPoint(x, line.GetBaseline() - 3));
                }
        }
        ADD_FAILURE() << "index " << index << " is not composed";
        return PMPoint();
    }
    PMPoint ColumnPoint(const TextFrameDocument::Frame& frame, UID column, const PMPoint& inner) {
        InterfacePtr<IHierarchy> content = doc.Get<IHierarchy>(frame.content);
        return doc.ColumnToPasteboard(frame, content->GetChildIndex(column), inner);
    }
    UIDRef SpreadOf(const TextFrameDocument::Frame& frame) {
        return UIDRef(doc.DB(), doc.Get<IHierarchy>(frame.spline)->GetSpreadUID());
    }
    static TextIndex Whole(PMReal position) { return static_cast<TextIndex>(std::floor(position)); }

    TextFrameDocument doc{[] {
        DocumentSetup setup;
        setup.spreadPages = {1, 1};
        return setup;
    }()};
};

TEST_F(TextPosition, TheMiddleOfEveryCharacterOfALineAnswersItsIndexAtEveryLevel) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 372, 272));
    const std::u16string text = u"Hello wide world";
    ASSERT_EQ(doc.Insert(frame.story, 0, text), kSuccess);
    InterfacePtr<ITextStoryThread> thread = doc.Get<ITextStoryThread>(frame.story);
    for (TextIndex i = 0; i < static_cast<TextIndex>(text.size()); ++i) {
        const PMPoint p = MiddleOf(frame, i);
        EXPECT_EQ(Whole(doc.Column(frame, 0)->TextPositionAt(p)), i);
        EXPECT_EQ(Whole(doc.TextFrame(frame)->TextPositionAt(p)), i);
        EXPECT_EQ(
            Whole(Utils<IFrameUtils>()->TextPositionAtPoint(thread, doc.Column(frame, 0)->GetParcelKey(), p)),
            i);
        const IFrameUtils::TextHit hit = Utils<IFrameUtils>()->FindTextAtPoint(SpreadOf(frame), p);
        EXPECT_EQ(hit.story, frame.story);
        EXPECT_EQ(hit.column, doc.TextFrame(frame)->GetNthColumnUID(0));
        EXPECT_EQ(Whole(hit.position), i) << "character " << i;
    }
}

TEST_F(TextPosition, TextInTheSecondThreadedFrameAnswersIndicesPastTheFirstFrame) {
    const TextFrameDocument::Frame first = doc.NewFrame(0, PMRect(72, 72, 272, 110));
    const TextFrameDocument::Frame second = doc.NewFrame(1, PMRect(100, 300, 300, 500), first.story);
    ASSERT_EQ(doc.Insert(first.story, 0, Words(40)), kSuccess);
    const TextIndex start = doc.TextFrame(second)->TextStart();
    ASSERT_GT(start, 0);
    for (TextIndex i = start; i < start + 5; ++i) {
        const PMPoint p = MiddleOf(second, i);
        EXPECT_EQ(Whole(doc.TextFrame(second)->TextPositionAt(p)), i);
        EXPECT_EQ(Whole(Utils<IFrameUtils>()->FindTextAtPoint(SpreadOf(second), p).position), i);
        EXPECT_EQ(doc.TextFrame(first)->TextPositionAt(p), -1.0) << "the point is not in the first frame";
    }
}

TEST_F(TextPosition, AFrameFindsThePointInWhicheverColumnHoldsIt) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 372, 130), kInvalidUID, 2);
    ASSERT_EQ(doc.Insert(frame.story, 0, Words(40)), kSuccess);
    const TextIndex start = doc.Column(frame, 1)->TextStart();
    ASSERT_GT(doc.Column(frame, 1)->TextSpan(), 3);
    const PMPoint p = MiddleOf(frame, start + 2);
    EXPECT_EQ(Whole(doc.TextFrame(frame)->TextPositionAt(p)), start + 2);
    // Asked directly, the first column answers the end of its line beside the point.
    const PMReal besideLine = doc.Column(frame, 0)->TextPositionAt(p);
    EXPECT_GE(besideLine, doc.Column(frame, 0)->TextStart());
    EXPECT_LE(besideLine, start);
    EXPECT_EQ(Utils<IFrameUtils>()->FindTextAtPoint(SpreadOf(frame), p).column,
              doc.TextFrame(frame)->GetNthColumnUID(1));
}

TEST_F(TextPosition, BelowTheLastLineIsMinusOneAndOutsideEveryColumnIsNoStory) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 372, 272));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"One line"), kSuccess);
    const PMRect page = doc.PageBounds(0);
    const PMPoint belowText(page.Left() + 100, page.Top() + 250);
    EXPECT_EQ(doc.TextFrame(frame)->TextPositionAt(belowText), -1.0);
    const IFrameUtils::TextHit inColumn = Utils<IFrameUtils>()->FindTextAtPoint(SpreadOf(frame), belowText);
    EXPECT_EQ(inColumn.story, frame.story);
    EXPECT_EQ(inColumn.position, -1.0);

    const PMPoint outside(page.Left() + 400, page.Top() + 400);
    const IFrameUtils::TextHit nothing = Utils<IFrameUtils>()->FindTextAtPoint(SpreadOf(frame), outside);
    EXPECT_EQ(nothing.story, kInvalidUID);
    EXPECT_EQ(nothing.position, -1.0);
}

TEST_F(TextPosition, WhereFramesOverlapTheFrontmostAnswers) {
    const TextFrameDocument::Frame back = doc.NewFrame(0, PMRect(72, 72, 372, 272));
    const TextFrameDocument::Frame front = doc.NewFrame(0, PMRect(72, 72, 372, 272));
    ASSERT_EQ(doc.Insert(back.story, 0, u"Back text"), kSuccess);
    ASSERT_EQ(doc.Insert(front.story, 0, u"Front text"), kSuccess);
    const IFrameUtils::TextHit hit =
        Utils<IFrameUtils>()->FindTextAtPoint(SpreadOf(front), MiddleOf(front, 1));
    EXPECT_EQ(hit.story, front.story);
    EXPECT_EQ(Whole(hit.position), 1);
}

TEST_F(TextPosition, TheSpreadListsItsTextFramesAndEachItemLeadsToItsFrame) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 372, 272), kInvalidUID, 2);
    doc.NewRectangleOnPage(0, PMRect(10, 10, 20, 20));
    const UIDList frames = Utils<IFrameUtils>()->GetTextFrames(SpreadOf(frame));
    ASSERT_EQ(frames.Length(), 1);
    EXPECT_EQ(frames.At(0), frame.content);
    for (UID item : {frame.spline, frame.content, doc.TextFrame(frame)->GetNthColumnUID(1)}) {
        InterfacePtr<IMultiColumnTextFrame> found(
            Utils<IFrameUtils>()->QueryMultiColumnTextFrame(doc.Get<IHierarchy>(item)));
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found.get(), doc.TextFrame(frame).get());
    }
}
} // namespace
