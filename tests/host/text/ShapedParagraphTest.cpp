#include <gtest/gtest.h>

#include "text/ShapedParagraph.h"

namespace {

// A paragraph of `units` code units, one cluster each, the first `shown` of them with one glyph;
// its clusters not yet closed.
ShapedParagraph OneGlyphPerUnit(int32 units, int32 shown) {
    ShapedParagraph shaped;
    shaped.pointsPerUnit = 0.5;
    for (int32 c = 0; c < units; ++c) {
        shaped.clusters.push_back(ShapedCluster{c, shaped.CountGlyphs()});
        if (c < shown) {
            shaped.glyphs.push_back(static_cast<uint16>(40 + c));
            shaped.AddAdvance(100 + c);
        }
    }
    return shaped;
}

} // namespace

TEST(ShapedParagraphTest, PlainClustersAreDroppedAndStillAnswered) {
    ShapedParagraph shaped = OneGlyphPerUnit(5, 4); // the last unit is the closing return
    std::vector<ShapedCluster> before = shaped.clusters;
    before.push_back(ShapedCluster{5, 4});
    shaped.CloseClusters(5);
    EXPECT_TRUE(shaped.clusters.empty());
    ASSERT_EQ(shaped.CountClusters(), 5);
    for (int32 c = 0; c <= 5; ++c) {
        EXPECT_EQ(shaped.Cluster(c).offset, before[static_cast<size_t>(c)].offset) << c;
        EXPECT_EQ(shaped.Cluster(c).firstGlyph, before[static_cast<size_t>(c)].firstGlyph) << c;
    }
    EXPECT_EQ(shaped.GlyphCount(3), 1);
    EXPECT_EQ(shaped.GlyphCount(4), 0);
    EXPECT_DOUBLE_EQ(shaped.Width(2), 51.0);
}

TEST(ShapedParagraphTest, ClustersOfSeveralUnitsOrGlyphsAreKept) {
    ShapedParagraph pair = OneGlyphPerUnit(4, 4);
    pair.clusters = {{0, 0}, {2, 1}, {3, 2}}; // a surrogate pair, then a cluster of two glyphs
    pair.CloseClusters(4);
    ASSERT_EQ(pair.clusters.size(), 4u);
    EXPECT_EQ(pair.CountClusters(), 3);
    EXPECT_EQ(pair.Units(0), 2);
    EXPECT_EQ(pair.GlyphCount(2), 2);

    // A control character amid the text shows no glyph, so the glyphs after it are not plain.
    ShapedParagraph tab = OneGlyphPerUnit(3, 3);
    tab.clusters = {{0, 0}, {1, 1}, {2, 1}};
    tab.glyphs.pop_back();
    tab.CloseClusters(3);
    EXPECT_EQ(tab.clusters.size(), 4u);
    EXPECT_EQ(tab.GlyphCount(1), 0);
}

TEST(ShapedParagraphTest, AnAdvanceBeyondSixteenBitsKeepsEveryAdvanceExact) {
    ShapedParagraph shaped;
    shaped.pointsPerUnit = 0.25;
    shaped.AddAdvance(-300);
    shaped.AddAdvance(32767);
    shaped.AddAdvance(40000);
    shaped.AddAdvance(7);
    EXPECT_DOUBLE_EQ(shaped.Advance(0), -75.0);
    EXPECT_DOUBLE_EQ(shaped.Advance(1), 8191.75);
    EXPECT_DOUBLE_EQ(shaped.Advance(2), 10000.0);
    EXPECT_DOUBLE_EQ(shaped.Advance(3), 1.75);
}
