// The scan of a caret's appearance text for the first point of its path: which tokens are numbers,
// which words answer and which clear what was collected, and what happens at the end of the text.
#include <gtest/gtest.h>

#include "import/NotesPDFAnnotationReader.h"

namespace {
std::optional<PMPoint> Scan(std::string_view text) {
    return NotesPDFAnnotationReader::ScanCaretPathStart(text);
}

void ExpectPoint(std::string_view text, PMReal x, PMReal y) {
    const std::optional<PMPoint> point = Scan(text);
    ASSERT_TRUE(point.has_value()) << text;
    EXPECT_DOUBLE_EQ(point->X(), x) << text;
    EXPECT_DOUBLE_EQ(point->Y(), y) << text;
}

TEST(CaretScanTest, MoveAndLineAnswerTheirTwoOperands) {
    ExpectPoint("0 0 m 4 6 l ", 0, 0);
    ExpectPoint("7.25 .5 l\n", 7.25, 0.5);
}

TEST(CaretScanTest, CurveAnswersItsEndPoint) {
    ExpectPoint("1 2 3 4 5 6 c\r", 5, 6);
}

TEST(CaretScanTest, OtherWordsClearTheNumbersBeforeThem) {
    ExpectPoint("q 1 0 0 1 0 0 cm 3.5 2 m\n", 3.5, 2);
    ExpectPoint("9 9 w 1 2 m ", 1, 2);
}

TEST(CaretScanTest, TwoSeparatorsInARowClearTheNumbersCollected) {
    ExpectPoint("1 2  3 4 m ", 3, 4);
}

TEST(CaretScanTest, AnOperatorAtTheVeryEndIsDropped) {
    EXPECT_FALSE(Scan("q 1 0 0 1 0 0 cm 3.5 2 m").has_value());
    EXPECT_FALSE(Scan("").has_value());
    EXPECT_FALSE(Scan("1 2 ").has_value());
}

TEST(CaretScanTest, MinusIsASeparatorSoNegativeCoordinatesLoseTheirSign) {
    ExpectPoint("-3 4 m ", 3, 4);
    // A minus after a number ends an empty token, which is a word and clears what came before.
    EXPECT_FALSE(Scan("3 -4 m ").has_value());
}

TEST(CaretScanTest, TokensEndingInADigitAreNumbersEvenWhenTheyStartWithALetter) {
    ExpectPoint("x1 2.5 m ", 0, 2.5);
    ExpectPoint("1.2.3 4 l ", 1.2, 4);
}

TEST(CaretScanTest, OperatorsWithTooFewOperandsGiveNoPoint) {
    EXPECT_FALSE(Scan("1 m ").has_value());
    EXPECT_FALSE(Scan("1 2 3 4 5 c ").has_value());
    EXPECT_FALSE(Scan("m ").has_value());
}

TEST(CaretScanTest, TheFirstAnsweringOperatorWins) {
    ExpectPoint("10 20 m 30 40 l ", 10, 20);
    ExpectPoint("1 2 3 4 5 6 c 7 8 m ", 5, 6);
}
} // namespace
