// The boxes a story's text range covers on a spread: one per line, each holding the middles of
// its characters and none of its neighbours', across threaded frames on two spreads; a caret's
// box has no width.
#include <gtest/gtest.h>

#include <cmath>

#include "TextFrameDocument.h"
#include "host/document/IHierarchy.h"
#include "host/text/IFrameUtils.h"

namespace {
class TextRangeBoxes : public ::testing::Test {
protected:
    UIDRef SpreadOf(const TextFrameDocument::Frame& frame) const {
        return UIDRef(doc.DB(), doc.Get<IHierarchy>(frame.spline)->GetSpreadUID());
    }
    static bool AnyHolds(const std::vector<PMRect>& boxes, const PMPoint& point) {
        for (const PMRect& box : boxes)
            if (box.Contains(point))
                return true;
        return false;
    }
    // Walks the box's middle line and answers the text index at each step inside it.
    static std::vector<TextIndex> IndicesAlong(const TextFrameDocument::Frame& frame,
                                               const TextFrameDocument& doc, const PMRect& box) {
        std::vector<TextIndex> indices;
        for (PMReal x = box.Left() + 0.5; x < box.Right(); x += 1.0)
            indices.push_back(static_cast<TextIndex>(
                std::floor(doc.TextFrame(frame)->TextPositionAt(PMPoint(x, box.GetCenter().Y())))));
        return indices;
    }

    TextFrameDocument doc{[] {
        DocumentSetup setup;
        setup.spreadPages = {1, 1};
        return setup;
    }()};
};

TEST_F(TextRangeBoxes, ARangeOnOneLineIsOneBoxOverItsCharactersOnly) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 372, 272));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"Hello wide world"), kSuccess);
    const std::vector<PMRect> boxes =
        Utils<IFrameUtils>()->GetTextRangeBoxes(SpreadOf(frame), frame.story, RangeData(6, 10));
    ASSERT_EQ(boxes.size(), 1u);
    const std::vector<TextIndex> indices = IndicesAlong(frame, doc, boxes[0]);
    ASSERT_FALSE(indices.empty());
    for (TextIndex index : indices) {
        EXPECT_GE(index, 6);
        EXPECT_LT(index, 10);
    }
    EXPECT_EQ(indices.front(), 6);
    EXPECT_EQ(indices.back(), 9);
}

TEST_F(TextRangeBoxes, ARangeOverSeveralLinesHasABoxPerLine) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 222, 472));
    ASSERT_EQ(doc.Insert(frame.story, 0, Words(60)), kSuccess);
    const std::vector<PMRect> boxes =
        Utils<IFrameUtils>()->GetTextRangeBoxes(SpreadOf(frame), frame.story, RangeData(0, 120));
    ASSERT_GE(boxes.size(), 3u);
    for (size_t i = 1; i < boxes.size(); ++i)
        EXPECT_GE(boxes[i].Top(), boxes[i - 1].Bottom() - 0.01) << "line boxes stack downwards";
}

TEST_F(TextRangeBoxes, EachSpreadGetsTheBoxesOfTheTextItsFramesShow) {
    const TextFrameDocument::Frame first = doc.NewFrame(0, PMRect(72, 72, 272, 110));
    const TextFrameDocument::Frame second = doc.NewFrame(1, PMRect(100, 300, 300, 500), first.story);
    ASSERT_EQ(doc.Insert(first.story, 0, Words(40)), kSuccess);
    const TextIndex start = doc.TextFrame(second)->TextStart();
    ASSERT_GT(start, 2);
    const RangeData across(start - 2, start + 2);
    const std::vector<PMRect> onFirst =
        Utils<IFrameUtils>()->GetTextRangeBoxes(SpreadOf(first), first.story, across);
    const std::vector<PMRect> onSecond =
        Utils<IFrameUtils>()->GetTextRangeBoxes(SpreadOf(second), first.story, across);
    ASSERT_EQ(onFirst.size(), 1u);
    ASSERT_EQ(onSecond.size(), 1u);
    EXPECT_FALSE(AnyHolds(onFirst, onSecond[0].GetCenter()));
}

TEST_F(TextRangeBoxes, ACaretIsABoxWithoutWidthAtItsIndex) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 372, 272));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"Hello wide world"), kSuccess);
    const std::vector<PMRect> caret =
        Utils<IFrameUtils>()->GetTextRangeBoxes(SpreadOf(frame), frame.story, RangeData(6, 6));
    const std::vector<PMRect> word =
        Utils<IFrameUtils>()->GetTextRangeBoxes(SpreadOf(frame), frame.story, RangeData(6, 10));
    ASSERT_EQ(caret.size(), 1u);
    ASSERT_EQ(word.size(), 1u);
    EXPECT_NEAR(caret[0].Width(), 0.0, 1e-9);
    EXPECT_NEAR(caret[0].Left(), word[0].Left(), 1e-9);
    EXPECT_GT(caret[0].Height(), 0.0);
}

TEST_F(TextRangeBoxes, AStorysBoxesLieInItsOwnFramesAndAnItemThatIsNoStoryHasNone) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 372, 272));
    const TextFrameDocument::Frame other = doc.NewFrame(0, PMRect(72, 300, 372, 400));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"Hello"), kSuccess);
    ASSERT_EQ(doc.Insert(other.story, 0, u"Other"), kSuccess);
    const std::vector<PMRect> mine =
        Utils<IFrameUtils>()->GetTextRangeBoxes(SpreadOf(frame), frame.story, RangeData(0, 3));
    const std::vector<PMRect> theirs =
        Utils<IFrameUtils>()->GetTextRangeBoxes(SpreadOf(frame), other.story, RangeData(0, 3));
    ASSERT_EQ(mine.size(), 1u);
    ASSERT_EQ(theirs.size(), 1u);
    EXPECT_GT(theirs[0].Top(), mine[0].Bottom());
    EXPECT_TRUE(
        Utils<IFrameUtils>()->GetTextRangeBoxes(SpreadOf(frame), frame.spline, RangeData(0, 3)).empty());
}
} // namespace
