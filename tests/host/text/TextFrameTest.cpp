// Text frames as page items: a frame's multi-column item and columns, the column geometry with
// gutter and text inset, threading several frames onto one story, the text range each frame and
// column shows, overset text, and a composition that follows edits, undo, redo and deletions.
#include <gtest/gtest.h>

#include "TextFrameDocument.h"
#include "host/database/UndoHistory.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ITransform.h"
#include "host/text/IFrameList.h"
#include "host/text/IGraphicFrameData.h"
#include "host/text/IParcelList.h"
#include "host/text/IStoryList.h"
#include "host/text/ITextInset.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDict.h"

namespace {
DocumentSetup TwoPages() {
    DocumentSetup setup;
    setup.spreadPages = {1, 1};
    return setup;
}

class TextFrames : public ::testing::Test {
protected:
    TextFrameDocument doc{TwoPages()};
};

TEST_F(TextFrames, CreateTextFrameMakesASplineWithAMultiColumnItemAndItsColumnsOnANewStory) {
    const int32 storiesBefore = doc.Get<IStoryList>(doc.Root().GetUID())->CountStories();
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 372, 272), kInvalidUID, 3, 10);
    ASSERT_NE(frame.spline, kInvalidUID);
    EXPECT_EQ(doc.DB()->GetClass(frame.spline), kSplineItemBoss);
    EXPECT_TRUE(doc.Get<IGraphicFrameData>(frame.spline)->IsTextFrame());
    EXPECT_EQ(doc.TextFrame(frame)->GetFrameItemUID(), frame.spline);
    ASSERT_EQ(doc.TextFrame(frame)->GetColumnCount(), 3);
    EXPECT_EQ(doc.Get<IStoryList>(doc.Root().GetUID())->CountStories(), storiesBefore + 1);

    InterfacePtr<IFrameList> frames = doc.Get<IFrameList>(frame.story);
    ASSERT_EQ(frames->GetFrameCount(), 3);
    for (int32 n = 0; n < 3; ++n) {
        EXPECT_EQ(frames->GetNthFrameUID(n), doc.TextFrame(frame)->GetNthColumnUID(n));
        EXPECT_EQ(doc.Column(frame, n)->GetTextModelUID(), frame.story);
    }
    EXPECT_FALSE(doc.Get<IGraphicFrameData>(doc.NewRectangleOnPage(0, PMRect(0, 0, 10, 10)))->IsTextFrame());
}

TEST_F(TextFrames, ColumnsDivideTheFrameLessItsInsetWithGuttersBetween) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(100, 100, 420, 300), kInvalidUID, 3, 10);
    // 300 wide: three columns of 93.33 with two gutters of 10, in the frame's inner coordinates.
    const PMRect frameBounds = doc.Get<IGeometry>(frame.spline)->GetPathBoundingBox();
    const PMRect first = doc.Get<IGeometry>(doc.TextFrame(frame)->GetNthColumnUID(0))->GetPathBoundingBox();
    const PMRect third = doc.Get<IGeometry>(doc.TextFrame(frame)->GetNthColumnUID(2))->GetPathBoundingBox();
    EXPECT_NEAR(first.Left(), frameBounds.Left(), 1e-9);
    EXPECT_NEAR(first.Width(), 100.0, 1e-9);
    EXPECT_NEAR(third.Right(), frameBounds.Right(), 1e-9);
    EXPECT_NEAR(doc.TextFrame(frame)->GetColumnBounds(1).Left() - first.Right(), 10.0, 1e-9);

    {
        CmdUtils::SequenceContext sequence;
        doc.Get<ITextInset>(frame.spline)->SetInset(5, 6, 7, 8);
    }
    const PMRect inset = doc.Get<IGeometry>(doc.TextFrame(frame)->GetNthColumnUID(0))->GetPathBoundingBox();
    EXPECT_NEAR(inset.Left(), frameBounds.Left() + 5, 1e-9);
    EXPECT_NEAR(inset.Top(), frameBounds.Top() + 6, 1e-9);
    EXPECT_NEAR(inset.Bottom(), frameBounds.Bottom() - 8, 1e-9);
    EXPECT_NEAR(inset.Width(), (320.0 - 5 - 7 - 20) / 3, 1e-9);
}

TEST_F(TextFrames, AnInsetLargerThanTheFrameLeavesColumnsOfNoSizeAndAllTextOverset) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 172, 172));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"Hello"), kSuccess);
    {
        CmdUtils::SequenceContext sequence;
        doc.Get<ITextInset>(frame.spline)->SetInset(80, 80, 80, 80);
    }
    const PMRect column = doc.TextFrame(frame)->GetColumnBounds(0);
    EXPECT_GE(column.Width(), 0.0);
    EXPECT_GE(column.Height(), 0.0);
    EXPECT_TRUE(doc.TextFrame(frame)->IsOverset());
    EXPECT_EQ(doc.TextFrame(frame)->TextSpan(), 0);
}

TEST_F(TextFrames, ColumnsShowConsecutiveStretchesOfTheStory) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 372, 172), kInvalidUID, 2);
    ASSERT_EQ(doc.Insert(frame.story, 0, Words(60)), kSuccess);
    InterfacePtr<ITextFrameColumn> first = doc.Column(frame, 0);
    InterfacePtr<ITextFrameColumn> second = doc.Column(frame, 1);
    EXPECT_EQ(first->TextStart(), 0);
    EXPECT_GT(first->TextSpan(), 0);
    EXPECT_EQ(second->TextStart(), first->TextStart() + first->TextSpan());
    EXPECT_GT(second->TextSpan(), 0);
    EXPECT_EQ(doc.TextFrame(frame)->GetTextRange(), RangeData(0, second->TextStart() + second->TextSpan()));
}

TEST_F(TextFrames, ThreadedFramesContinueTheTextAndOnlyTheLastOneIsOverset) {
    const TextFrameDocument::Frame first = doc.NewFrame(0, PMRect(72, 72, 272, 172));
    const TextFrameDocument::Frame second = doc.NewFrame(1, PMRect(72, 72, 272, 172), first.story);
    ASSERT_EQ(second.story, first.story);
    EXPECT_EQ(doc.Get<IFrameList>(first.story)->GetFrameCount(), 2);

    ASSERT_EQ(doc.Insert(first.story, 0, Words(40)), kSuccess);
    EXPECT_GT(doc.TextFrame(first)->TextSpan(), 0);
    EXPECT_EQ(doc.TextFrame(second)->TextStart(), doc.TextFrame(first)->GetTextRange().End());
    EXPECT_FALSE(doc.TextFrame(first)->IsOverset());
    EXPECT_FALSE(doc.TextFrame(second)->IsOverset());

    ASSERT_EQ(doc.Insert(first.story, 0, Words(200)), kSuccess);
    EXPECT_FALSE(doc.TextFrame(first)->IsOverset()) << "its text goes on in the next frame";
    EXPECT_TRUE(doc.TextFrame(second)->IsOverset());
    InterfacePtr<ITextParcelList> parcels = doc.Get<ITextParcelList>(first.story);
    EXPECT_EQ(parcels->GetOversetStart(), doc.TextFrame(second)->GetTextRange().End());
}

TEST_F(TextFrames, TheStoryHasOnePrimaryThreadOverAllItsTextThroughItsFrameList) {
    const TextFrameDocument::Frame first = doc.NewFrame(0, PMRect(72, 72, 272, 172));
    const TextFrameDocument::Frame second = doc.NewFrame(1, PMRect(72, 72, 272, 172), first.story, 2);
    ASSERT_EQ(doc.Insert(first.story, 0, u"Some text"), kSuccess);
    InterfacePtr<ITextStoryThreadDict> dict = doc.Get<ITextStoryThreadDict>(first.story);
    EXPECT_EQ(dict->GetOwnerUID(), first.story);
    EXPECT_EQ(doc.DB()->GetClass(dict->GetOwnerUID()), kTextStoryBoss);
    ASSERT_EQ(dict->GetThreadCount(), 1);
    InterfacePtr<ITextStoryThread> thread(dict->QueryThread(0));
    EXPECT_EQ(thread->GetTextRange(), RangeData(0, doc.Model(first.story)->TotalLength()));
    InterfacePtr<ITextStoryThread> at(dict->QueryThreadAt(3));
    EXPECT_EQ(at.get(), thread.get());

    InterfacePtr<IParcelList> parcels(thread->QueryParcelList());
    ASSERT_EQ(parcels->GetParcelCount(), 3);
    for (int32 n = 0; n < 3; ++n) {
        const ParcelKey key = parcels->GetNthParcelKey(n);
        EXPECT_EQ(parcels->GetParcelIndex(key), n);
        InterfacePtr<ITextFrameColumn> column = doc.Get<ITextFrameColumn>(parcels->GetParcelFrameUID(key));
        ASSERT_NE(column, nullptr);
        EXPECT_EQ(column->GetParcelKey(), key);
    }
    EXPECT_EQ(parcels->GetParcelFrameUID(parcels->GetNthParcelKey(2)),
              doc.TextFrame(second)->GetNthColumnUID(1));
    EXPECT_EQ(parcels->GetParcelIndex(12345), -1);
}

TEST_F(TextFrames, EditsUndoAndRedoShowInTheTextRangesOfTheFrames) {
    const TextFrameDocument::Frame first = doc.NewFrame(0, PMRect(72, 72, 272, 130));
    const TextFrameDocument::Frame second = doc.NewFrame(1, PMRect(72, 72, 272, 500), first.story);
    ASSERT_EQ(doc.Insert(first.story, 0, Words(30)), kSuccess);
    const RangeData before = doc.TextFrame(first)->GetTextRange();
    const RangeData secondBefore = doc.TextFrame(second)->GetTextRange();

    ASSERT_EQ(doc.Insert(first.story, 0, u"Inserted words at the start push the rest on. "), kSuccess);
    EXPECT_GT(doc.TextFrame(second)->TextSpan(), secondBefore.Length());

    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(doc.TextFrame(first)->GetTextRange(), before);
    EXPECT_EQ(doc.TextFrame(second)->GetTextRange(), secondBefore);

    ASSERT_EQ(doc.DB()->GetUndoHistory().Redo(), kSuccess);
    EXPECT_GT(doc.TextFrame(second)->TextSpan(), secondBefore.Length());
}

TEST_F(TextFrames, DeletingAFrameFlowsItsTextOnAndUndoBringsTheThreadingBack) {
    const TextFrameDocument::Frame first = doc.NewFrame(0, PMRect(72, 72, 272, 130));
    const TextFrameDocument::Frame second = doc.NewFrame(1, PMRect(72, 72, 272, 500), first.story);
    ASSERT_EQ(doc.Insert(first.story, 0, Words(30)), kSuccess);
    const RangeData secondBefore = doc.TextFrame(second)->GetTextRange();

    ErrorCode deleted = kFailure;
    doc.Process(kDeleteCmdBoss, UIDList(UIDRef(doc.DB(), first.spline)), &deleted);
    ASSERT_EQ(deleted, kSuccess);
    EXPECT_EQ(doc.Get<IFrameList>(first.story)->GetFrameCount(), 1);
    EXPECT_EQ(doc.Get<IFrameList>(first.story)->GetFrameUIDs(),
              std::vector<UID>{doc.TextFrame(second)->GetNthColumnUID(0)});
    EXPECT_EQ(doc.TextFrame(second)->TextStart(), 0);

    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(doc.Get<IFrameList>(first.story)->GetFrameCount(), 2);
    EXPECT_EQ(doc.TextFrame(second)->GetTextRange(), secondBefore);
}

TEST_F(TextFrames, UndoingTheCreationRemovesFrameColumnsAndTheirNewStory) {
    const int32 storiesBefore = doc.Get<IStoryList>(doc.Root().GetUID())->CountStories();
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 272, 172), kInvalidUID, 2);
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(frame.spline));
    EXPECT_FALSE(doc.DB()->IsValidUID(frame.content));
    EXPECT_EQ(doc.Get<IStoryList>(doc.Root().GetUID())->CountStories(), storiesBefore);
}

TEST_F(TextFrames, AFrameTooLowForALineShowsNothingAndPassesItsTextOn) {
    const TextFrameDocument::Frame low = doc.NewFrame(0, PMRect(72, 72, 272, 80));
    const TextFrameDocument::Frame next = doc.NewFrame(1, PMRect(72, 72, 272, 300), low.story);
    ASSERT_EQ(doc.Insert(low.story, 0, u"Text that cannot sit in the first frame."), kSuccess);
    EXPECT_EQ(doc.TextFrame(low)->TextSpan(), 0);
    EXPECT_EQ(doc.TextFrame(next)->TextStart(), 0);
    EXPECT_EQ(doc.TextFrame(next)->TextSpan(), doc.Model(low.story)->TotalLength());
}

TEST_F(TextFrames, AnEmptyStoryShowsItsFinalReturnInItsFirstFrame) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 272, 172));
    EXPECT_EQ(doc.TextFrame(frame)->GetTextRange(), RangeData(0, 1));
    EXPECT_FALSE(doc.TextFrame(frame)->IsOverset());
}

TEST_F(TextFrames, MovingTheFrameMovesItsParcelsWithIt) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 272, 172));
    InterfacePtr<IParcelList> parcels = doc.Get<IParcelList>(frame.story);
    const PMMatrix before = parcels->GetParcelToPasteboardMatrix(parcels->GetNthParcelKey(0));
    doc.Get<ITransform>(frame.spline)->SetInnerToParentMatrix([&] {
        PMMatrix moved = doc.Get<ITransform>(frame.spline)->GetInnerToParentMatrix();
        moved.Concat(PMMatrix(1, 0, 0, 1, 30, 40));
        return moved;
    }());
    const PMMatrix after = parcels->GetParcelToPasteboardMatrix(parcels->GetNthParcelKey(0));
    EXPECT_NEAR(after.Tx() - before.Tx(), 30.0, 1e-9);
    EXPECT_NEAR(after.Ty() - before.Ty(), 40.0, 1e-9);
}

// The parcel list keeps what it read while nothing it read from changed; each of these changes
// must show in the next reading, also when the parcels were read just before it.
TEST_F(TextFrames, KeptParcelsFollowMovesResizesDeletionsAndTheirUndo) {
    const TextFrameDocument::Frame first = doc.NewFrame(0, PMRect(72, 72, 272, 130));
    const TextFrameDocument::Frame second = doc.NewFrame(1, PMRect(72, 72, 272, 500), first.story);
    InterfacePtr<IParcelList> parcels = doc.Get<IParcelList>(first.story);
    const std::vector<Parcel> original = parcels->GetParcels();
    ASSERT_EQ(original.size(), 2u);

    ASSERT_EQ(doc.Insert(first.story, 0, Words(30)), kSuccess);
    EXPECT_EQ(parcels->GetParcels(), original) << "text edits move no parcel";

    InterfacePtr<ITransform> transform = doc.Get<ITransform>(second.spline);
    PMMatrix moved = transform->GetInnerToParentMatrix();
    moved.Concat(PMMatrix(1, 0, 0, 1, 30, 40));
    transform->SetInnerToParentMatrix(moved);
    EXPECT_NEAR(parcels->GetParcels()[1].innerToPasteboard.Tx() - original[1].innerToPasteboard.Tx(), 30.0,
                1e-9);

    InterfacePtr<IGeometry> geometry = doc.Get<IGeometry>(first.spline);
    const PMRect box = geometry->GetPathBoundingBox();
    ASSERT_EQ(geometry->SetPathBoundingBox(PMRect(box.Left(), box.Top(), box.Right() + 50, box.Bottom())),
              kSuccess);
    EXPECT_NEAR(parcels->GetParcels()[0].bounds.Width() - original[0].bounds.Width(), 50.0, 1e-9);

    ErrorCode deleted = kFailure;
    doc.Process(kDeleteCmdBoss, UIDList(UIDRef(doc.DB(), first.spline)), &deleted);
    ASSERT_EQ(deleted, kSuccess);
    EXPECT_EQ(parcels->GetParcels().size(), 1u);
    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    const std::vector<Parcel> restored = parcels->GetParcels();
    ASSERT_EQ(restored.size(), 2u);
    EXPECT_EQ(restored[0].key, original[0].key);
}
} // namespace
