// How PDF page coordinates become page and pasteboard coordinates: flipped by the page height,
// shifted by the page origin, then taken through the page's transform; rectangles come out
// normalised and are shifted after the transform.
#include <gtest/gtest.h>

#include "import/NotesPDFPageFrame.h"

namespace {
TEST(PDFPageFrameTest, WithoutAFrameOnlyTheSignOfYFlips) {
    const NotesPDFPageFrame none;
    EXPECT_EQ(none.ConvertPoint(3, 4), PMPoint(3, -4));
}

TEST(PDFPageFrameTest, PointsAreFlippedByThePageHeightAndShiftedByTheOrigin) {
    const NotesPDFPageFrame frame(PMRect(10, 20, 605, 862), PMPoint(10, 20), 842);
    EXPECT_EQ(frame.ConvertPoint(10, 862), PMPoint(0, 0));
    EXPECT_EQ(frame.ConvertPoint(110, 762), PMPoint(100, 100));
}

TEST(PDFPageFrameTest, PointsThenGoThroughThePageTransform) {
    const PMMatrix pageToPasteboard(1, 0, 0, 1, 1000, -50);
    const NotesPDFPageFrame frame(PMRect(), PMPoint(0, 0), 842,
                                  [&](const PMPoint& p) { return pageToPasteboard.TransformPoint(p); });
    EXPECT_EQ(frame.ConvertPoint(100, 742), PMPoint(1100, 50));
}

TEST(PDFPageFrameTest, RectanglesComeOutNormalisedTopDown) {
    const NotesPDFPageFrame frame(PMRect(), PMPoint(0, 0), 842);
    EXPECT_EQ(frame.ConvertRect(100, 742, 200, 692), PMRect(100, 100, 200, 150));
}

TEST(PDFPageFrameTest, RectanglesAreShiftedByTheOriginAfterTheTransform) {
    // A quarter turn about the page origin: the bounding box of the turned corners, then the shift.
    const PMMatrix turn(0, 1, -1, 0, 0, 0);
    const NotesPDFPageFrame frame(PMRect(), PMPoint(5, 7), 100,
                                  [&](const PMPoint& p) { return turn.TransformPoint(p); });
    const PMRect rect = frame.ConvertRect(10, 90, 30, 80); // page rectangle (10, 10, 30, 20)
    EXPECT_TRUE(rect.Equals(PMRect(-20 - 5, 10 + 7, -10 - 5, 30 + 7))) << rect.Left() << " " << rect.Top();
}
} // namespace
