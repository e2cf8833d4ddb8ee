// Whether a PDF page fits a document page: sizes within just under one point each way, with the page
// compared turned when it is rotated by a quarter turn.
#include <gtest/gtest.h>

#include "import/NotesPageFit.h"

namespace {
const PMRect kA4(0, 0, 595, 842);

TEST(PageFitTest, HalfAPointWiderFitsAndOnePointWiderDoesNot) {
    EXPECT_TRUE(NotesPageFit::Fits(kA4, 0, PMRect(0, 0, 595.5, 842)));
    EXPECT_FALSE(NotesPageFit::Fits(kA4, 0, PMRect(0, 0, 596, 842)));
    EXPECT_TRUE(NotesPageFit::Fits(kA4, 0, PMRect(0, 0, 595, 841.2)));
    EXPECT_FALSE(NotesPageFit::Fits(kA4, 0, PMRect(0, 0, 595, 843)));
}

TEST(PageFitTest, OnlyTheSizeCountsNotThePosition) {
    EXPECT_TRUE(NotesPageFit::Fits(PMRect(-297.5, -421, 297.5, 421), 0, PMRect(18, 18, 613, 860)));
}

TEST(PageFitTest, AQuarterTurnComparesWithWidthAndHeightSwapped) {
    const PMRect landscape(0, 0, 842, 595);
    EXPECT_TRUE(NotesPageFit::Fits(kA4, 90, landscape));
    EXPECT_TRUE(NotesPageFit::Fits(kA4, -90, landscape));
    EXPECT_TRUE(NotesPageFit::Fits(kA4, 270, landscape));
    EXPECT_FALSE(NotesPageFit::Fits(kA4, 180, landscape));
    EXPECT_FALSE(NotesPageFit::Fits(kA4, 45, landscape));
    EXPECT_FALSE(NotesPageFit::Fits(kA4, 90, kA4));
}
} // namespace
