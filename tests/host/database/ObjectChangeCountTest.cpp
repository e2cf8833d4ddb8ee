// The change count an object carries: it moves when the object begins to change, when it is made
// and when undo puts it back, and never for a read; a missing object answers the largest number.
#include <gtest/gtest.h>

#include <limits>

#include "../text/TextFrameDocument.h"
#include "host/database/UndoHistory.h"
#include "host/document/ITransform.h"

namespace {
TEST(ObjectChangeCount, MovesWithChangesUndoAndDeletionButNotWithReads) {
    TextFrameDocument doc;
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 272, 172));
    IDataBase* db = doc.DB();
    const uint64 made = db->GetObjectChangeCount(frame.spline);
    EXPECT_LE(made, db->GetChangeCount());

    InterfacePtr<ITransform> transform = doc.Get<ITransform>(frame.spline);
    (void)transform->InnerToPasteboardMatrix();
    EXPECT_EQ(db->GetObjectChangeCount(frame.spline), made) << "a read is no change";

    const uint64 before = db->GetChangeCount();
    ErrorCode deleted = kFailure;
    doc.Process(kDeleteCmdBoss, UIDList(UIDRef(db, frame.spline)), &deleted);
    ASSERT_EQ(deleted, kSuccess);
    EXPECT_EQ(db->GetObjectChangeCount(frame.spline), std::numeric_limits<uint64>::max());

    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_GT(db->GetObjectChangeCount(frame.spline), before);
    EXPECT_LE(db->GetObjectChangeCount(frame.spline), db->GetChangeCount());

    const uint64 restored = db->GetObjectChangeCount(frame.spline);
    PMMatrix moved = doc.Get<ITransform>(frame.spline)->GetInnerToParentMatrix();
    moved.Concat(PMMatrix(1, 0, 0, 1, 5, 5));
    doc.Get<ITransform>(frame.spline)->SetInnerToParentMatrix(moved);
    EXPECT_GT(db->GetObjectChangeCount(frame.spline), restored);
}
} // namespace
