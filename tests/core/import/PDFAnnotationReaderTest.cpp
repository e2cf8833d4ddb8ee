// The reading routines against a PDF that a third-party tool annotated: kinds, strings in non-Latin
// scripts, rectangles, quad points, vertices and lines through the page frame, line endings, colour
// components, borders (solid, dashed, cloudy 1 and 2 and their malformed forms with their log lines),
// the caret's insertion point from its appearance, and dates.
// Coordinates in the comment list are top-down points of the 595 x 842 sample pages.
#include <gtest/gtest.h>

#include <memory>

#include "../fixtures/CoreFixture.h"
#include "../fixtures/OpenedPdf.h"
#include "PdfFixtureFiles.h"
#include "import/NotesPDFAnnotationReader.h"

using Reader = NotesPDFAnnotationReader;
using A = INotesAnnotation;

namespace {
const char* kComments = R"([
 {"page": 0, "kind": "Text", "point": [100, 100], "contents": "日本語のコメント", "author": "Ελένη",
  "date": "D:20230405060708+02'00'"},
 {"page": 0, "kind": "Highlight", "search": "quick", "stroke": [1, 1, 0]},
 {"page": 0, "kind": "StrikeOut", "rects": [[72, 100, 120, 115]], "stroke": [1, 0.5, 0]},
 {"page": 0, "kind": "Caret", "point": [300, 300], "appearance": "0 0 m 4 6 l\n", "matrix": [2, 0, 0, 2, 10, 20]},
 {"page": 0, "kind": "Caret", "point": [300, 400], "appearance": "q 1 0 0 1 0 0 cm 3.5 2 m"},
 {"page": 0, "kind": "Caret", "point": [300, 500], "appearance": "1 2 m\n", "matrix": [1, 0, 0, 1, 0]},
 {"page": 0, "kind": "Line", "points": [[100, 600], [200, 650]], "line_ends": ["OpenArrow", "RClosedArrow"],
  "width": 2, "dashes": [3, 2]},
 {"page": 0, "kind": "PolyLine", "points": [[300, 600], [350, 650], [400, 600]], "line_ends": ["None", "Circle"]},
 {"page": 0, "kind": "Polygon", "points": [[100, 700], [150, 700], [125, 750]], "cloudy": 2, "fill": [0, 0, 1]},
 {"page": 1, "kind": "Caret", "point": [500, 100], "raw": {"AP": "null"}},
 {"page": 1, "kind": "Circle", "rect": [300, 300, 360, 340], "cloudy": 1, "raw": {"M": "null"}},
 {"page": 1, "kind": "Square", "rect": [100, 100, 200, 150], "width": 0.5},
 {"page": 1, "kind": "Square", "rect": [100, 200, 200, 250], "raw": {"BS": "<< /W 1.5 /S /D >>"}},
 {"page": 1, "kind": "Square", "rect": [100, 300, 200, 350], "dashes": [3, 2], "cloudy": 2},
 {"page": 1, "kind": "Square", "rect": [100, 400, 200, 450], "raw": {"Subtype": "/Stamp"}},
 {"page": 1, "kind": "Square", "rect": [100, 500, 200, 550], "raw": {"BE": "<< /I 1 >>"}},
 {"page": 1, "kind": "Square", "rect": [300, 500, 400, 550], "raw": {"BE": "<< /S /C >>"}},
 {"page": 1, "kind": "Square", "rect": [300, 600, 400, 650], "raw": {"C": "[]"}},
 {"page": 1, "kind": "Square", "rect": [300, 700, 400, 750], "raw": {"C": "[0.2 0.4 0.6 0.8]", "BS": "null"}}
])";

// The frame of an unmoved document page of the sample's size: y is flipped only.
const NotesPDFPageFrame kPageFrame(PMRect(0, 0, 595, 842), PMPoint(0, 0), 842);

void ExpectPoints(const PMPointList& actual, const std::vector<PMPoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].X(), expected[i].X(), 1e-3) << "point " << i;
        EXPECT_NEAR(actual[i].Y(), expected[i].Y(), 1e-3) << "point " << i;
    }
}

void ExpectComponents(const std::vector<PMReal>& actual, const std::vector<PMReal>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-4) << "component " << i;
}

class PDFAnnotationReaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        pdf = std::make_unique<OpenedPdf>(PdfFixtureFiles::annotated("reader", kComments));
    }
    static void TearDownTestSuite() { pdf.reset(); }
    void SetUp() override { CoreFixture::ClearFailureLog(); }

    static CosObj Square(int nth) { return pdf->Dict(1, "Square", nth); }
    static std::string Log() { return CoreFixture::FailureLogText(); }

    static std::unique_ptr<OpenedPdf> pdf;
};
std::unique_ptr<OpenedPdf> PDFAnnotationReaderTest::pdf;

TEST_F(PDFAnnotationReaderTest, SubtypesMapToAnnotationTypes) {
    const struct {
        const char* subtype;
        int page;
        A::NotesAnnotationType type;
    } kinds[] = {{"Text", 0, A::kStickyNoteAnnotation},
                 {"Highlight", 0, A::kHighlightAnnotation},
                 {"StrikeOut", 0, A::kStrikethroughAnnotation},
                 {"Caret", 0, A::kCaretAnnotation},
                 {"Line", 0, A::kLineAnnotation},
                 {"PolyLine", 0, A::kPolyLineAnnotation},
                 {"Polygon", 0, A::kPolygonAnnotation},
                 {"Circle", 1, A::kCircleAnnotation},
                 {"Square", 1, A::kSquareAnnotation},
                 {"Stamp", 1, A::kUnknownAnnotation}};
    for (const auto& k : kinds)
        EXPECT_EQ(Reader::TypeOfSubtype(PDAnnotGetSubtype(pdf->Annot(k.page, k.subtype))), k.type)
            << k.subtype;
    const struct {
        const char* name;
        A::NotesAnnotationType type;
    } names[] = {{"Popup", A::kPopupAnnotation},       {"Underline", A::kUnderlineAnnotation},
                 {"Squiggly", A::kSquigglyAnnotation}, {"Redact", A::kRedactionAnnotation},
                 {"FreeText", A::kFreeTextAnnotation}, {"Ink", A::kUnknownAnnotation},
                 {"text", A::kUnknownAnnotation}};
    for (const auto& n : names)
        EXPECT_EQ(Reader::TypeOfSubtype(ASAtomFromString(n.name)), n.type) << n.name;
    EXPECT_EQ(Reader::TypeOfSubtype(ASAtomNull), A::kUnknownAnnotation);
}

TEST_F(PDFAnnotationReaderTest, StringsDecodeNonLatinTextAndMissingKeysAreEmpty) {
    const CosObj note = pdf->Dict(0, "Text");
    EXPECT_EQ(Reader::GetString(note, "Contents").GetUTF8String(), "日本語のコメント");
    EXPECT_EQ(Reader::GetString(note, "T").GetUTF8String(), "Ελένη");
    EXPECT_TRUE(Reader::GetString(note, "OverlayText").IsEmpty());
}

TEST_F(PDFAnnotationReaderTest, DatesKeepTheWritersClockTimeAndMissingDatesAreNone) {
    const std::optional<IDTime> date = Reader::GetDate(pdf->Annot(0, "Text"));
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(date->Format(), "2023-04-05 06:07:08");
    EXPECT_FALSE(Reader::GetDate(pdf->Annot(1, "Circle")).has_value());
}

TEST_F(PDFAnnotationReaderTest, PointArraysComeBackInTopDownPageCoordinates) {
    // A rectangle given to the tool becomes a quad: upper-left, upper-right, lower-left, lower-right.
    ExpectPoints(Reader::GetPoints(pdf->Dict(0, "StrikeOut"), "QuadPoints", kPageFrame),
                 {{72, 100}, {120, 100}, {72, 115}, {120, 115}});
    ExpectPoints(Reader::GetPoints(pdf->Dict(0, "Polygon"), "Vertices", kPageFrame),
                 {{100, 700}, {150, 700}, {125, 750}});
    ExpectPoints(Reader::GetPoints(pdf->Dict(0, "Line"), "L", kPageFrame), {{100, 600}, {200, 650}});
    EXPECT_TRUE(Reader::GetPoints(pdf->Dict(0, "Line"), "Vertices", kPageFrame).empty());
    // Without a frame the reader flips the sign of y only, as the free-text reader wants for RD.
    ExpectPoints(Reader::GetPoints(pdf->Dict(0, "Line"), "L", NotesPDFPageFrame()),
                 {{100, -242}, {200, -192}});
}

TEST_F(PDFAnnotationReaderTest, HighlightQuadsCoverTheSearchedWord) {
    const PMPointList quad = Reader::GetPoints(pdf->Dict(0, "Highlight"), "QuadPoints", kPageFrame);
    ASSERT_EQ(quad.size(), 4u);
    // "quick" follows "The " on the first line, whose baseline is 72 pt from the top in 12 pt type.
    EXPECT_GT(quad[0].X(), 80);
    EXPECT_LT(quad[1].X(), 130);
    EXPECT_LT(quad[0].Y(), 72);
    EXPECT_GT(quad[2].Y(), 72);
}

TEST_F(PDFAnnotationReaderTest, RectanglesGoThroughTheFrameTopDown) {
    const PMRect square = Reader::GetRect(pdf->Annot(1, "Square", 0), kPageFrame);
    // The tool may widen a shape's rectangle by its border, never by more than the border width.
    EXPECT_NEAR(square.Left(), 100, 1);
    EXPECT_NEAR(square.Top(), 100, 1);
    EXPECT_NEAR(square.Right(), 200, 1);
    EXPECT_NEAR(square.Bottom(), 150, 1);
    EXPECT_LT(square.Top(), square.Bottom());
}

TEST_F(PDFAnnotationReaderTest, LineEndingsMapToArrowheadClasses) {
    const CosObj lineEnds = CosDictGetKeyString(pdf->Dict(0, "Line"), "LE");
    EXPECT_EQ(Reader::GetLineEnding(CosArrayGet(lineEnds, 0)), 0x5A03u);
    EXPECT_EQ(Reader::GetLineEnding(CosArrayGet(lineEnds, 1)), 0x5A0Du);
    const CosObj polyEnds = CosDictGetKeyString(pdf->Dict(0, "PolyLine"), "LE");
    EXPECT_EQ(Reader::GetLineEnding(CosArrayGet(polyEnds, 0)), kInvalidClass);
    EXPECT_EQ(Reader::GetLineEnding(CosArrayGet(polyEnds, 1)), 0x5A09u);
}

TEST_F(PDFAnnotationReaderTest, ColourComponentsOfAnyCount) {
    ExpectComponents(Reader::GetColorComponents(pdf->Dict(0, "Highlight"), "C"), {1, 1, 0});
    ExpectComponents(Reader::GetColorComponents(pdf->Dict(0, "StrikeOut"), "C"), {1, 0.5, 0});
    ExpectComponents(Reader::GetColorComponents(pdf->Dict(0, "Polygon"), "IC"), {0, 0, 1});
    ExpectComponents(Reader::GetColorComponents(Square(6), "C"), {0.2, 0.4, 0.6, 0.8});
    EXPECT_TRUE(Reader::GetColorComponents(pdf->Dict(0, "Highlight"), "IC").empty());
    EXPECT_EQ(Log(), "");
}

TEST_F(PDFAnnotationReaderTest, AnEmptyColourArrayIsLoggedAndGivesNoComponents) {
    EXPECT_TRUE(Reader::GetColorComponents(Square(5), "C").empty());
    EXPECT_NE(Log().find("NotesPDFAnnotationReader.cpp("), std::string::npos);
    EXPECT_NE(Log().find("): cosArrayLen > 0 == false\r\n"), std::string::npos) << Log();
}

TEST_F(PDFAnnotationReaderTest, BordersSolidDashedAndCloudy) {
    const Reader::Border thin = Reader::GetBorder(Square(0));
    EXPECT_DOUBLE_EQ(thin.width, 0.5);
    EXPECT_EQ(thin.style, Reader::kSolidBorder);
    const Reader::Border dashed = Reader::GetBorder(pdf->Dict(0, "Line"));
    EXPECT_DOUBLE_EQ(dashed.width, 2.0);
    EXPECT_EQ(dashed.style, Reader::kDashedBorder);
    EXPECT_EQ(Reader::GetBorder(pdf->Dict(1, "Circle")).style, Reader::kCloudyBorder);
    EXPECT_EQ(Reader::GetBorder(pdf->Dict(0, "Polygon")).style, Reader::kIntenseCloudyBorder);
    // A cloudy effect wins over dashes.
    EXPECT_EQ(Reader::GetBorder(Square(2)).style, Reader::kIntenseCloudyBorder);
    const Reader::Border none = Reader::GetBorder(Square(6));
    EXPECT_DOUBLE_EQ(none.width, 1.0);
    EXPECT_EQ(none.style, Reader::kSolidBorder);
    EXPECT_EQ(Log(), "");
}

TEST_F(PDFAnnotationReaderTest, MalformedBordersKeepTheirDefaultsAndLogTheMissingPart) {
    const Reader::Border noDashes = Reader::GetBorder(Square(1));
    EXPECT_DOUBLE_EQ(noDashes.width, 1.5);
    EXPECT_EQ(noDashes.style, Reader::kSolidBorder);
    EXPECT_NE(Log().find("): CosObjGetType(cosArray) != CosNull == false\r\n"), std::string::npos) << Log();

    EXPECT_EQ(Reader::GetBorder(Square(3)).style, Reader::kSolidBorder);
    EXPECT_NE(Log().find("): CosObjGetType(cosStyleName) != CosNull == false\r\n"), std::string::npos);
    EXPECT_EQ(Reader::GetBorder(Square(4)).style, Reader::kSolidBorder);
    EXPECT_NE(Log().find("): CosObjGetType(cosInteger) != CosNull == false\r\n"), std::string::npos);
    const std::string log = Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3);
}

TEST_F(PDFAnnotationReaderTest, CaretPointComesFromTheAppearancePathThroughItsMatrix) {
    const PDAnnot caret = pdf->Annot(0, "Caret", 0);
    const PMRect rect = Reader::GetRect(caret, kPageFrame);
    const std::optional<PMPoint> point = Reader::GetCaretPoint(PDAnnotGetCosObj(caret), rect);
    ASSERT_TRUE(point.has_value());
    // (0, 0) through [2 0 0 2 10 20] is (10, 20), measured up from the rectangle's lower-left corner.
    EXPECT_NEAR(point->X(), rect.Left() + 10, 1e-6);
    EXPECT_NEAR(point->Y(), rect.Bottom() - 20, 1e-6);
}

TEST_F(PDFAnnotationReaderTest, CaretWithoutPointOrWithABadMatrixHasNone) {
    // The operator that would answer is the last token and has no separator after it.
    const PDAnnot unterminated = pdf->Annot(0, "Caret", 1);
    EXPECT_FALSE(Reader::GetCaretPoint(PDAnnotGetCosObj(unterminated), PMRect()).has_value());
    EXPECT_EQ(Log(), "");
    const PDAnnot fiveNumberMatrix = pdf->Annot(0, "Caret", 2);
    EXPECT_FALSE(Reader::GetCaretPoint(PDAnnotGetCosObj(fiveNumberMatrix), PMRect()).has_value());
    EXPECT_NE(Log().find("): CosArrayLength(cosMatrix) == 6 == false\r\n"), std::string::npos) << Log();
    // No appearance at all.
    EXPECT_FALSE(Reader::GetCaretPoint(pdf->Dict(1, "Caret"), PMRect()).has_value());
}
} // namespace
