// Fitting a text frame to its text: overset frames grow and roomy frames shrink to whole lines,
// keeping their left top corner and width and their text inset; in a thread only the frame that
// holds the story's end changes; the change is one undo step and observers hear of it.
#include <cmath>

#include <gtest/gtest.h>

#include "TextFrameDocument.h"
#include "host/database/UndoHistory.h"
#include "host/document/IGeometry.h"
#include "host/notify/ISubject.h"
#include "host/text/ITextInset.h"
#include "host/text/ITextParcelList.h"

namespace {
constexpr PMReal kLeading = 14.4; // the composer's line slot

class FitFrameToContent : public ::testing::Test {
protected:
    ErrorCode Fit(std::initializer_list<UID> items, UIDList* fitted = nullptr) const {
        UIDList list(doc.DB());
        for (UID uid : items)
            list.Append(uid);
        ErrorCode result = kFailure;
        InterfacePtr<ICommand> cmd = doc.Process(kFitFrameToContentCmdBoss, list, &result);
        if (fitted)
            *fitted = *cmd->GetItemList();
        return result;
    }
    PMRect Bounds(const TextFrameDocument::Frame& frame) const {
        return doc.Get<IGeometry>(frame.spline)->GetPathBoundingBox();
    }
    int32 Lines(const TextFrameDocument::Frame& frame, int32 column = 0) const {
        const TextComposition& composition = doc.Get<ITextParcelList>(frame.story)->GetComposition();
        return composition.CountLines(composition.FindParcel(doc.TextFrame(frame)->GetNthColumnUID(column)));
    }
    void SetInset(const TextFrameDocument::Frame& frame, PMReal left, PMReal top, PMReal right,
                  PMReal bottom) const {
        CmdUtils::SequenceContext sequence;
        doc.Get<ITextInset>(frame.spline)->SetInset(left, top, right, bottom);
    }
    // The frame shows the rest of its story, and one line slot less would not hold it.
    void ExpectJustFits(const TextFrameDocument::Frame& frame, PMReal insetHeight = 0.0) const {
        EXPECT_FALSE(doc.TextFrame(frame)->IsOverset());
        EXPECT_EQ(doc.TextFrame(frame)->GetTextRange().End(), doc.Model(frame.story)->TotalLength());
        const int32 slots = std::lround((Bounds(frame).Height() - insetHeight) / kLeading);
        EXPECT_NEAR(Bounds(frame).Height(), insetHeight + slots * kLeading, 1e-6);
        EXPECT_EQ(Lines(frame), slots) << "the first column is filled to its last slot";
    }

    TextFrameDocument doc;
};

TEST_F(FitFrameToContent, AnOversetFrameGrowsDownwardUntilAllItsTextShows) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 272, 122));
    ASSERT_EQ(doc.Insert(frame.story, 0, Words(120)), kSuccess);
    const PMRect before = Bounds(frame);
    ASSERT_TRUE(doc.TextFrame(frame)->IsOverset());

    UIDList fitted;
    ASSERT_EQ(Fit({frame.spline}, &fitted), kSuccess);
    EXPECT_EQ(fitted.Length(), 1);
    EXPECT_EQ(fitted.At(0), frame.spline);
    const PMRect after = Bounds(frame);
    EXPECT_GT(after.Height(), before.Height());
    EXPECT_EQ(after.LeftTop(), before.LeftTop());
    EXPECT_NEAR(after.Width(), before.Width(), 1e-9);
    ExpectJustFits(frame);
}

TEST_F(FitFrameToContent, AFrameWithEmptySlotsBelowItsLastLineShrinksToWholeLines) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 272, 600));
    ASSERT_EQ(doc.Insert(frame.story, 0, Words(30)), kSuccess);
    const int32 lines = Lines(frame);
    ASSERT_GT(lines, 1);
    const PMRect before = Bounds(frame);

    ASSERT_EQ(Fit({frame.spline}), kSuccess);
    EXPECT_NEAR(Bounds(frame).Height(), lines * kLeading, 1e-6);
    EXPECT_EQ(Bounds(frame).LeftTop(), before.LeftTop());
    EXPECT_EQ(Lines(frame), lines) << "shrinking must not break the lines differently";
    ExpectJustFits(frame);
}

TEST_F(FitFrameToContent, TheInsetStaysAboveAndBelowTheLinesAndNarrowsThem) {
    const TextFrameDocument::Frame plain = doc.NewFrame(0, PMRect(72, 72, 272, 100));
    const TextFrameDocument::Frame inset = doc.NewFrame(0, PMRect(300, 72, 500, 100));
    ASSERT_EQ(doc.Insert(plain.story, 0, Words(80)), kSuccess);
    ASSERT_EQ(doc.Insert(inset.story, 0, Words(80)), kSuccess);
    SetInset(inset, 20, 9, 25, 13);

    ASSERT_EQ(Fit({plain.spline, inset.spline}), kSuccess);
    ExpectJustFits(plain);
    ExpectJustFits(inset, 9 + 13);
    EXPECT_GT(Lines(inset), Lines(plain)) << "a narrower column takes more lines";
    const PMRect column = doc.TextFrame(inset)->GetColumnBounds(0);
    EXPECT_NEAR(column.Top() - Bounds(inset).Top(), 9, 1e-9);
    EXPECT_NEAR(Bounds(inset).Bottom() - column.Bottom(), 13, 1e-9);
}

TEST_F(FitFrameToContent, ColumnsShareTheTextSoTheFrameNeedsTheLongestColumnOnly) {
    const TextFrameDocument::Frame single = doc.NewFrame(0, PMRect(72, 72, 172, 90));
    const TextFrameDocument::Frame triple = doc.NewFrame(0, PMRect(200, 72, 524, 90), kInvalidUID, 3, 12);
    ASSERT_EQ(doc.Insert(single.story, 0, Words(100)), kSuccess);
    ASSERT_EQ(doc.Insert(triple.story, 0, Words(100)), kSuccess);

    ASSERT_EQ(Fit({single.spline, triple.spline}), kSuccess);
    // Three columns of the single frame's width: a third of its lines, rounded up.
    const int32 allLines = Lines(single);
    const int32 slots = (allLines + 2) / 3;
    EXPECT_NEAR(Bounds(triple).Height(), slots * kLeading, 1e-6);
    EXPECT_EQ(Lines(triple, 0) + Lines(triple, 1) + Lines(triple, 2), allLines);
    EXPECT_FALSE(doc.TextFrame(triple)->IsOverset());
}

TEST_F(FitFrameToContent, TheMultiColumnItemOrAColumnStandsForItsFrame) {
    const TextFrameDocument::Frame first = doc.NewFrame(0, PMRect(72, 72, 272, 100));
    const TextFrameDocument::Frame second = doc.NewFrame(0, PMRect(300, 72, 500, 100), kInvalidUID, 2);
    ASSERT_EQ(doc.Insert(first.story, 0, Words(60)), kSuccess);
    ASSERT_EQ(doc.Insert(second.story, 0, Words(60)), kSuccess);

    UIDList fitted;
    ASSERT_EQ(Fit({first.content, doc.TextFrame(second)->GetNthColumnUID(1), second.spline}, &fitted),
              kSuccess);
    EXPECT_EQ(fitted.Length(), 2) << "a frame named twice is fitted once";
    EXPECT_FALSE(doc.TextFrame(first)->IsOverset());
    EXPECT_FALSE(doc.TextFrame(second)->IsOverset());
}

TEST_F(FitFrameToContent, AnythingButATextFrameFailsTheCommandAndChangesNothing) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 272, 100));
    ASSERT_EQ(doc.Insert(frame.story, 0, Words(60)), kSuccess);
    const UID rectangle = doc.NewRectangleOnPage(0, PMRect(300, 300, 400, 400));
    const LayoutTestDocument::Objects before = doc.Snapshot();

    EXPECT_NE(Fit({frame.spline, rectangle}), kSuccess);
    EXPECT_NE(Fit({}), kSuccess);
    EXPECT_TRUE(SameObjects(before, doc.Snapshot()));
}

TEST_F(FitFrameToContent, AnEmptyStoryKeepsOneLineOfHeightNeverNone) {
    const TextFrameDocument::Frame roomy = doc.NewFrame(0, PMRect(72, 72, 272, 400));
    const TextFrameDocument::Frame low = doc.NewFrame(0, PMRect(300, 72, 500, 80));
    SetInset(low, 0, 3, 0, 4);
    ASSERT_TRUE(doc.TextFrame(low)->IsOverset()) << "too low for the story's one empty line";

    ASSERT_EQ(Fit({roomy.spline, low.spline}), kSuccess);
    EXPECT_NEAR(Bounds(roomy).Height(), kLeading, 1e-6);
    EXPECT_NEAR(Bounds(low).Height(), 3 + 4 + kLeading, 1e-6);
    EXPECT_FALSE(doc.TextFrame(low)->IsOverset());
}

TEST_F(FitFrameToContent, AFrameThatFitsAlreadyStaysAsItIsAndNoOneIsTold) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 272, 72 + 3 * kLeading));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"one\rtwo\rthree"), kSuccess);
    const LayoutTestDocument::Objects before = doc.Snapshot();
    UIDList fitted;
    ASSERT_EQ(Fit({frame.spline}, &fitted), kSuccess);
    EXPECT_TRUE(fitted.IsEmpty());
    EXPECT_TRUE(SameObjects(before, doc.Snapshot()));
}

// A thread over two pages: only the frame that holds the story's end changes.
class FitThreadedFrames : public FitFrameToContent {
protected:
    void SetUp() override {
        first = doc.NewFrame(0, PMRect(72, 72, 272, 172));
        second = doc.NewFrame(0, PMRect(300, 72, 500, 172), first.story);
        firstBounds = Bounds(first);
    }
    TextFrameDocument::Frame first;
    TextFrameDocument::Frame second;
    PMRect firstBounds;
};

TEST_F(FitThreadedFrames, OversetTextGrowsTheLastFrameAndLeavesTheFirstAlone) {
    ASSERT_EQ(doc.Insert(first.story, 0, Words(300)), kSuccess);
    ASSERT_TRUE(doc.TextFrame(second)->IsOverset());
    const RangeData firstRange = doc.TextFrame(first)->GetTextRange();

    UIDList fitted;
    ASSERT_EQ(Fit({first.spline, second.spline}, &fitted), kSuccess);
    ASSERT_EQ(fitted.Length(), 1);
    EXPECT_EQ(fitted.At(0), second.spline);
    EXPECT_EQ(Bounds(first), firstBounds);
    EXPECT_EQ(doc.TextFrame(first)->GetTextRange(), firstRange);
    EXPECT_EQ(doc.TextFrame(second)->TextStart(), firstRange.End());
    ExpectJustFits(second);
}

TEST_F(FitThreadedFrames, AStoryEndingInTheFirstFrameShrinksThatFrameAndNotTheEmptyOneAfter) {
    ASSERT_EQ(doc.Insert(first.story, 0, Words(20)), kSuccess);
    ASSERT_EQ(doc.TextFrame(second)->TextSpan(), 0);
    const PMRect secondBounds = Bounds(second);

    ASSERT_EQ(Fit({first.spline, second.spline}), kSuccess);
    EXPECT_LT(Bounds(first).Height(), firstBounds.Height());
    EXPECT_EQ(Bounds(second), secondBounds);
    ExpectJustFits(first);
}

TEST_F(FitThreadedFrames, AnEarlierFrameAloneIsNotFitted) {
    ASSERT_EQ(doc.Insert(first.story, 0, Words(300)), kSuccess);
    const LayoutTestDocument::Objects before = doc.Snapshot();
    UIDList fitted;
    ASSERT_EQ(Fit({first.content}, &fitted), kSuccess);
    EXPECT_TRUE(fitted.IsEmpty());
    EXPECT_TRUE(SameObjects(before, doc.Snapshot()));
}

TEST_F(FitFrameToContent, UndoPutsTheStoredBytesAndTheOversetBackAndRedoTheFit) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 272, 122));
    ASSERT_EQ(doc.Insert(frame.story, 0, Words(120)), kSuccess);
    const LayoutTestDocument::Objects before = doc.Snapshot();

    ASSERT_EQ(Fit({frame.spline}), kSuccess);
    const LayoutTestDocument::Objects fitted = doc.Snapshot();
    ASSERT_FALSE(SameObjects(before, fitted));
    ASSERT_FALSE(doc.TextFrame(frame)->IsOverset());

    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_TRUE(SameObjects(before, doc.Snapshot()));
    EXPECT_TRUE(doc.TextFrame(frame)->IsOverset()) << "the composition follows the undone bounds";
    ASSERT_EQ(doc.DB()->GetUndoHistory().Redo(), kSuccess);
    EXPECT_TRUE(SameObjects(fitted, doc.Snapshot()));
    EXPECT_FALSE(doc.TextFrame(frame)->IsOverset());
}

// Hears the changes of the transform protocol, with the bounds of a frame at that moment.
class GeometryObserver final : public IObserver {
public:
    GeometryObserver(IDataBase* db, UID frame) : fDataBase(db), fFrame(frame) {}
    IPMUnknown* QueryInterface(PMIID iid) const override {
        return iid == IID_IOBSERVER ? const_cast<GeometryObserver*>(this) : nullptr;
    }
    void AddRef() const override {}
    void Release() const override {}
    void Update(ClassID change, ISubject*, PMIID, void*) override {
        changes.push_back(change);
        InterfacePtr<IGeometry> geometry(
            ObjectModel::CheckedCast<IGeometry>(fDataBase->Instantiate(fFrame, IID_IGEOMETRY)));
        heights.push_back(geometry->GetPathBoundingBox().Height());
    }
    void LazyUpdate(ISubject*, PMIID, const LazyNotificationData*) override {}
    void AutoAttach() override {}
    void AutoDetach() override {}
    std::vector<ClassID> changes;
    std::vector<PMReal> heights;

private:
    IDataBase* fDataBase;
    UID fFrame;
};

TEST_F(FitFrameToContent, ObserversOfTransformsHearTheNewBounds) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 272, 400));
    ASSERT_EQ(doc.Insert(frame.story, 0, Words(10)), kSuccess);
    GeometryObserver observer(doc.DB(), frame.spline);
    InterfacePtr<ISubject> subject(doc.Document(), IID_ISUBJECT);
    subject->AttachObserver(&observer, IID_ITRANSFORM_DOCUMENT);
    const ErrorCode result = Fit({frame.spline});
    subject->DetachObserver(&observer, IID_ITRANSFORM_DOCUMENT);

    ASSERT_EQ(result, kSuccess);
    ASSERT_EQ(observer.changes.size(), 2u);
    EXPECT_EQ(observer.changes[0], kTransformChangeClass);
    EXPECT_EQ(observer.changes[1], kTransformDoneChangeClass);
    EXPECT_NEAR(observer.heights[0], Lines(frame) * kLeading, 1e-6);
}
} // namespace
