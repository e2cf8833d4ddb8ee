// Column text ranges kept between questions: a range asked for before a change must not be the
// answer after it. Each case asks for every column's range first, then edits, undoes, redoes or
// rethreads, and compares with a document that composes the same text from scratch.
#include <gtest/gtest.h>

#include "TextFrameDocument.h"
#include "host/database/UndoHistory.h"
#include "host/text/IFrameList.h"

namespace {
DocumentSetup ThreePages() {
    DocumentSetup setup;
    setup.spreadPages = {1, 1, 1};
    return setup;
}

// Three short frames threaded on one story, the last one too small for all of the text.
struct ThreadedStory {
    TextFrameDocument doc{ThreePages()};
    std::vector<TextFrameDocument::Frame> frames;

    explicit ThreadedStory(const std::u16string& text, int32 frameCount = 3) {
        for (int32 page = 0; page < frameCount; ++page)
            frames.push_back(doc.NewFrame(page, PMRect(72, 72, 272, 130),
                                          frames.empty() ? kInvalidUID : frames.front().story));
        EXPECT_EQ(doc.Insert(Story(), 0, text), kSuccess);
    }
    UID Story() const { return frames.front().story; }
    std::vector<RangeData> Ranges() const {
        std::vector<RangeData> ranges;
        for (const TextFrameDocument::Frame& frame : frames)
            ranges.push_back(RangeData(doc.Column(frame, 0)->TextStart(),
                                       doc.Column(frame, 0)->TextStart() + doc.Column(frame, 0)->TextSpan()));
        return ranges;
    }
};

std::u16string Edited() {
    return u"Inserted words at the start push the rest on. " + Words(40);
}

TEST(ColumnTextRanges, AnEditAfterTheRangesWereAskedReflowsThemAcrossFrames) {
    ThreadedStory story(Words(40));
    const std::vector<RangeData> before = story.Ranges();
    ASSERT_EQ(story.doc.Insert(story.Story(), 0, u"Inserted words at the start push the rest on. "),
              kSuccess);
    EXPECT_NE(story.Ranges(), before);
    EXPECT_EQ(story.Ranges(), ThreadedStory(Edited()).Ranges());
}

TEST(ColumnTextRanges, UndoAndRedoAfterTheRangesWereAskedBringBackEachState) {
    ThreadedStory story(Words(40));
    const std::vector<RangeData> before = story.Ranges();
    ASSERT_EQ(story.doc.Insert(story.Story(), 0, u"Inserted words at the start push the rest on. "),
              kSuccess);
    const std::vector<RangeData> after = story.Ranges();

    ASSERT_EQ(story.doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(story.Ranges(), before);
    ASSERT_EQ(story.doc.DB()->GetUndoHistory().Redo(), kSuccess);
    EXPECT_EQ(story.Ranges(), after);
    EXPECT_EQ(after, ThreadedStory(Edited()).Ranges());
}

TEST(ColumnTextRanges, ThreadingAFrameAfterTheRangesWereAskedGivesItTheOversetText) {
    ThreadedStory story(Words(60), 2);
    const std::vector<RangeData> twoFrames = story.Ranges();
    story.frames.push_back(story.doc.NewFrame(2, PMRect(72, 72, 272, 130), story.Story()));
    const std::vector<RangeData> threeFrames = story.Ranges();
    EXPECT_EQ(threeFrames[0], twoFrames[0]);
    EXPECT_EQ(threeFrames[1], twoFrames[1]);
    EXPECT_EQ(threeFrames[2].Start(), twoFrames[1].End());
    EXPECT_GT(threeFrames[2].Length(), 0);
    EXPECT_EQ(threeFrames, ThreadedStory(Words(60)).Ranges());
}

TEST(ColumnTextRanges, DeletingAThreadedFrameAfterTheRangesWereAskedMovesItsTextOnAndUndoBringsItBack) {
    ThreadedStory story(Words(60));
    const std::vector<RangeData> before = story.Ranges();
    ErrorCode deleted = kFailure;
    story.doc.Process(kDeleteCmdBoss, UIDList(UIDRef(story.doc.DB(), story.frames[1].spline)), &deleted);
    ASSERT_EQ(deleted, kSuccess);
    const TextFrameDocument::Frame last = story.frames[2];
    EXPECT_EQ(story.doc.Column(last, 0)->TextStart(), before[0].End());
    EXPECT_EQ(story.doc.Get<IFrameList>(story.Story())
                  ->GetFrameIndex(story.doc.TextFrame(last)->GetNthColumnUID(0)),
              1);

    ASSERT_EQ(story.doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(story.Ranges(), before);
}
} // namespace
