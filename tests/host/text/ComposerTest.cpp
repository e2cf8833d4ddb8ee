// Composition: line breaking at spaces and hyphens, one glyph per character with unrounded
// advances, runs split at attribute changes, parcels too small for a line and overset text,
// empty stories and unpaired surrogates, the text position at a point, and recomposition that
// redoes only what an edit changed yet ends equal to composing afresh.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "TextTestClasses.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/text/ITextModelCmds.h"
#include "host/text/IWaxStrand.h"

using namespace TextTestClasses;

namespace {
constexpr PMReal kLeading = 14.4;

std::vector<Parcel> Columns(int32 count, PMReal width, PMReal height) {
    std::vector<Parcel> parcels;
    for (int32 n = 0; n < count; ++n)
        parcels.push_back(Parcel{n, PMRect(10.0, 20.0, 10.0 + width, 20.0 + height), PMMatrix()});
    return parcels;
}

class Composer : public ::testing::Test {
protected:
    const TextComposition& Compose(UID story, const std::vector<Parcel>& parcels, int32 thread = 0) {
        InterfacePtr<IWaxStrand> wax(doc.Model(story), IID_IWAXSTRAND);
        return wax->Compose(thread, RangeData(0, doc.Model(story)->TotalLength()), parcels);
    }
    // The width a text takes on one line, measured by composing it alone in a wide parcel.
    PMReal WidthOf(const std::u16string& text) {
        const TextComposition& c = Compose(doc.NewStory(text), Columns(1, 1e6, 100));
        return c.GetNthLine(0).GetXRight() - c.GetNthLine(0).GetXLeft();
    }
    std::u16string LineText(UID story, const WaxLine& line) {
        return doc.Model(story)
            ->GetText(line.GetTextRange().Start(), line.GetTextRange().Length())
            .GetUTF16();
    }
    static std::u16string TrimTrailing(std::u16string text) {
        while (!text.empty() && (text.back() == u' ' || text.back() == u'\r'))
            text.pop_back();
        return text;
    }

    TextDocument doc;
};

const std::u16string kProse =
    u"The composer breaks lines at spaces and after hyphens, like a well-behaved typesetter would, "
    u"and never lets a line run past the edge of its parcel unless a single word is wider than it.";

TEST_F(Composer, LinesCoverTheTextInOrderAndBreakGreedilyAtSpacesAndHyphens) {
    const UID story = doc.NewStory(kProse);
    const PMReal width = 150.0;
    const TextComposition& c = Compose(story, Columns(1, width, 1000));
    ASSERT_GT(c.CountAllLines(), 3);
    EXPECT_FALSE(c.IsOverset());
    TextIndex expectedStart = 0;
    for (int32 n = 0; n < c.CountAllLines(); ++n) {
        const WaxLine& line = c.GetNthLine(n);
        EXPECT_EQ(line.GetTextRange().Start(), expectedStart);
        expectedStart = line.GetTextRange().End();
        const std::u16string text = LineText(story, line);
        const std::u16string visible = TrimTrailing(text);
        EXPECT_LE(WidthOf(visible), width + 1e-6) << n;
        if (n + 1 == c.CountAllLines())
            continue;
        // A break follows a space or a hyphen, and the next line's first word would not have fit.
        EXPECT_TRUE(text.back() == u' ' || text.back() == u'-') << n;
        const std::u16string next = LineText(story, c.GetNthLine(n + 1));
        const size_t wordEnd = next.find_first_of(u" -");
        const std::u16string word =
            next.substr(0, wordEnd == std::u16string::npos ? next.size() : wordEnd + (next[wordEnd] == u'-'));
        EXPECT_GT(WidthOf(text + TrimTrailing(word)), width) << n;
    }
    EXPECT_EQ(expectedStart, doc.Model(story)->TotalLength());
}

TEST_F(Composer, AWordWiderThanTheParcelIsCutWhereTheLineIsFull) {
    const UID story = doc.NewStory(u"Incomprehensibilities");
    const PMReal width = WidthOf(u"Incompre") + 0.5 * WidthOf(u"h");
    const TextComposition& c = Compose(story, Columns(1, width, 1000));
    ASSERT_GE(c.CountAllLines(), 3);
    EXPECT_EQ(LineText(story, c.GetNthLine(0)), u"Incompre");
    for (int32 n = 0; n < c.CountAllLines(); ++n)
        EXPECT_LE(c.GetNthLine(n).GetXRight() - c.GetNthLine(n).GetXLeft(), width + 1e-6);
}

TEST_F(Composer, EveryCharacterIsOneGlyphWithUnroundedAdvances) {
    const UID story = doc.NewStory(u"office fluffy affix");
    const TextComposition& c = Compose(story, Columns(1, 1000, 100));
    ASSERT_EQ(c.CountAllLines(), 1);
    const WaxRun& run = c.GetNthLine(0).GetRuns().at(0);
    EXPECT_EQ(run.CountGlyphs(), 19);   // no fi, ff or fl ligatures
    EXPECT_EQ(run.CountClusters(), 20); // and the paragraph return without a glyph
    bool offGrid = false;
    for (PMReal advance : run.GetAdvances()) {
        EXPECT_GT(advance, 0.0);
        offGrid |= std::fabs(advance * 64 - std::round(advance * 64)) > 1e-9;
    }
    EXPECT_TRUE(offGrid) << "advances look rounded to a 1/64 pt grid";
    const std::vector<PMReal> advances = run.GetAdvances();
    const PMReal sum = std::accumulate(advances.begin(), advances.end(), 0.0);
    EXPECT_NEAR(run.GetWidth(), sum, 1e-9);
    EXPECT_NEAR(c.GetNthLine(0).GetLineHeight(), kLeading, 1e-9);
    EXPECT_GT(c.GetNthLine(0).GetBaseline(), c.GetNthLine(0).GetLineTop());
}

TEST_F(Composer, RunsSplitExactlyWhereCharacterAttributesChange) {
    const UID story = doc.NewStory(u"plain marked plain again");
    InterfacePtr<ITextModelCmds> cmds(doc.Model(story), IID_ITEXTMODELCMDS);
    ASSERT_EQ(Process(cmds->ApplyAttributeCmd(RangeData(6, 12), Attribute(kTestAttrBoss, 1))), kSuccess);
    const TextComposition& c = Compose(story, Columns(1, 1000, 100));
    const std::vector<WaxRun>& runs = c.GetNthLine(0).GetRuns();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].GetTextRange(), RangeData(0, 6));
    EXPECT_EQ(runs[1].GetTextRange(), RangeData(6, 12));
    EXPECT_EQ(runs[2].GetTextRange(), RangeData(12, 25));
    EXPECT_NEAR(runs[1].GetX(), runs[0].GetX() + runs[0].GetWidth(), 1e-9);
    EXPECT_NEAR(runs[2].GetX(), runs[1].GetX() + runs[1].GetWidth(), 1e-9);
    EXPECT_NEAR(runs[1].GetWidth(), WidthOf(u"marked"), 1e-9);
}

TEST_F(Composer, ParcelsTooLowForALineAreSkippedAndTextThatFindsNoRoomIsOverset) {
    const UID story = doc.NewStory(kProse);
    std::vector<Parcel> parcels = Columns(3, 150, 3 * kLeading);
    parcels[0].bounds.Bottom(parcels[0].bounds.Top() + kLeading - 0.5); // too low for one line
    const TextComposition& c = Compose(story, parcels);
    EXPECT_EQ(c.CountLines(0), 0);
    EXPECT_EQ(c.CountLines(1), 3);
    EXPECT_EQ(c.CountLines(2), 3);
    ASSERT_TRUE(c.IsOverset());
    EXPECT_EQ(c.GetOversetStart(), c.GetLine(2, 2).GetTextRange().End());
    EXPECT_EQ(c.GetParcelTextRange(0), RangeData(0, 0));
    EXPECT_EQ(c.GetParcelTextRange(2).Start(), c.GetParcelTextRange(1).End());
    EXPECT_NEAR(c.GetLine(2, 0).GetLineTop(), parcels[2].bounds.Top(), 1e-9);

    const TextComposition& none = Compose(story, Columns(2, 150, 10), 1);
    EXPECT_EQ(none.CountAllLines(), 0);
    EXPECT_EQ(none.GetOversetStart(), 0);
    EXPECT_EQ(none.TextPositionAt(0, PMPoint(20, 25)), -1.0);
}

TEST_F(Composer, AnEmptyStoryComposesToOneEmptyLine) {
    const UID story = doc.NewStory();
    const TextComposition& c = Compose(story, Columns(1, 100, 100));
    ASSERT_EQ(c.CountAllLines(), 1);
    EXPECT_EQ(c.GetNthLine(0).GetTextRange(), RangeData(0, 1));
    EXPECT_EQ(c.TextPositionAt(0, PMPoint(50, 25)), 0.0);
    EXPECT_FALSE(c.IsOverset());
}

TEST_F(Composer, TextPositionAtAPointIsTheCharacterPlusTheFractionLeftOfThePoint) {
    const UID story = doc.NewStory(u"Hit testing maps points back to characters of the text.");
    const TextComposition& c = Compose(story, Columns(1, 120, 200));
    ASSERT_GT(c.CountAllLines(), 1);
    for (int32 n = 0; n < c.CountAllLines(); ++n) {
        const WaxLine& line = c.GetNthLine(n);
        const PMReal y = line.GetBaseline() - 3.0;
        PMReal x = line.GetXLeft();
        TextIndex index = line.GetTextRange().Start();
        for (PMReal advance : line.GetRuns().front().GetAdvances()) {
            EXPECT_NEAR(c.TextPositionAt(0, PMPoint(x + advance * 0.5, y)), index + 0.5, 1e-9);
            EXPECT_NEAR(c.TextPositionAt(0, PMPoint(x + advance * 0.25, y)), index + 0.25, 1e-9);
            x += advance;
            ++index;
        }
        EXPECT_EQ(c.TextPositionAt(0, PMPoint(line.GetXLeft() - 5, y)), line.GetTextRange().Start());
    }
    const WaxLine& last = c.GetNthLine(c.CountAllLines() - 1);
    EXPECT_EQ(c.TextPositionAt(0, PMPoint(last.GetXRight() + 30, last.GetBaseline())),
              last.GetTextRange().End() - 1);
    EXPECT_EQ(c.TextPositionAt(0, PMPoint(20, last.GetLineTop() + last.GetLineHeight() + 1)), -1.0);
    EXPECT_EQ(c.TextPositionAt(0, PMPoint(20, c.GetNthLine(0).GetLineTop() - 1)), -1.0);
    EXPECT_EQ(c.TextPositionAt(5, PMPoint(20, 25)), -1.0);
}

TEST_F(Composer, PasteboardPointsAreMappedThroughTheParcelsTransform) {
    const UID story = doc.NewStory(u"Moved text");
    std::vector<Parcel> parcels = Columns(1, 200, 100);
    parcels[0].innerToPasteboard = PMMatrix(1, 0, 0, 1, 300, 400);
    const TextComposition& c = Compose(story, parcels);
    const WaxLine& line = c.GetNthLine(0);
    const PMPoint inner(line.GetXLeft() + line.GetRuns()[0].GetAdvances()[0] * 0.5, line.GetBaseline());
    EXPECT_NEAR(c.TextPositionAtPasteboardPoint(0, PMPoint(inner.X() + 300, inner.Y() + 400)), 0.5, 1e-9);
    EXPECT_EQ(c.TextPositionAtPasteboardPoint(0, inner), -1.0);
}

TEST_F(Composer, UnpairedSurrogatesComposeAndPairsAreNeverSplitByRounding) {
    const std::u16string text = {u'a', 0xD800, u' ', 0xD83D, 0xDE00, u'b', 0xDC00};
    const UID story = doc.NewStory(text);
    const TextComposition& c = Compose(story, Columns(1, 500, 100));
    ASSERT_EQ(c.CountAllLines(), 1);
    const WaxRun& run = c.GetNthLine(0).GetRuns().at(0);
    EXPECT_EQ(run.CountGlyphs(), 6); // the pair is one glyph, each lone half one of its own
    const PMReal y = c.GetNthLine(0).GetBaseline();
    PMReal x = run.GetX();
    std::vector<TextIndex> rounded;
    for (PMReal advance : run.GetAdvances()) {
        for (PMReal f : {0.1, 0.45, 0.55, 0.9})
            rounded.push_back(
                static_cast<TextIndex>(std::floor(c.TextPositionAt(0, PMPoint(x + advance * f, y)) + 0.5)));
        x += advance;
    }
    for (TextIndex index : rounded)
        EXPECT_NE(index, 4) << "between the two halves of the pair";
}

TEST_F(Composer, EditingOneParagraphRecomposesLittleAndMatchesAFreshComposition) {
    std::u16string text;
    for (int32 n = 0; n < 40; ++n)
        text += u"Paragraph " + std::u16string(1, u'A' + n % 26) + u" " + kProse + u"\r";
    const UID story = doc.NewStory(text);
    const std::vector<Parcel> parcels = Columns(30, 200, 300);
    const TextComposition& first = Compose(story, parcels);
    EXPECT_EQ(first.GetStats().paragraphsShaped, 41);

    InterfacePtr<ITextModelCmds> cmds(doc.Model(story), IID_ITEXTMODELCMDS);
    const TextIndex middle = first.GetNthLine(first.CountAllLines() / 2).GetTextRange().Start();
    ASSERT_EQ(Process(cmds->InsertCmd(middle, WideString("extra "))), kSuccess);
    const TextComposition& again = Compose(story, parcels);
    EXPECT_EQ(again.GetStats().paragraphsShaped, 1);
    EXPECT_LE(again.GetStats().paragraphsLaidOut, 3);

    const TextComposition& fresh = Compose(story, parcels, 99);
    EXPECT_EQ(fresh.GetStats().paragraphsShaped, 41);
    const auto expectSame = [&](const TextComposition& a, const TextComposition& b) {
        ASSERT_EQ(a.CountAllLines(), b.CountAllLines());
        for (int32 n = 0; n < a.CountAllLines(); ++n) {
            const WaxLine& x = a.GetNthLine(n);
            const WaxLine& y = b.GetNthLine(n);
            ASSERT_EQ(x.GetTextRange(), y.GetTextRange()) << n;
            ASSERT_EQ(x.GetParcelIndex(), y.GetParcelIndex()) << n;
            ASSERT_EQ(x.GetLineTop(), y.GetLineTop()) << n;
            ASSERT_EQ(x.GetXRight(), y.GetXRight()) << n;
            ASSERT_EQ(x.GetRuns().back().GetTextRange(), y.GetRuns().back().GetTextRange()) << n;
        }
        EXPECT_EQ(a.GetOversetStart(), b.GetOversetStart());
    };
    expectSame(Compose(story, parcels), fresh);

    // Undo restores the text behind the composer's back; composing again still matches.
    ASSERT_EQ(doc.DataBase()->GetUndoHistory().Undo(), kSuccess);
    const TextComposition& undone = Compose(story, parcels);
    EXPECT_EQ(undone.GetStats().paragraphsShaped, 1);
    expectSame(undone, Compose(story, parcels, 98));
}
} // namespace
