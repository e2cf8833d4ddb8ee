// The import's one reader against a PDF that a third-party tool annotated: kinds, strings in non-Latin
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
#include "import/NotesPDFPageFrame.h"

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
 {"page": 1, "kind": "Square", "rect": [300, 700, 400, 750], "raw": {"C": "[0.2 0.4 0.6 0.8]", "BS": "null"}},
 {"page": 1, "kind": "Line", "points": [[450, 100], [550, 100]], "raw": {"BS": "null", "Border": "[0 0 3 [2 1]]"}},
 {"page": 1, "kind": "Line", "points": [[450, 150], [550, 150]], "raw": {"BS": "null", "Border": "[0 0 2]"}},
 {"page": 1, "kind": "Line", "points": [[450, 200], [550, 200]], "raw": {"BS": "null", "Border": "[1 1]"}},
 {"page": 1, "kind": "Line", "points": [[450, 250], [550, 250]], "raw": {"BS": "null", "Border": "/Thick"}},
 {"page": 1, "kind": "Line", "points": [[450, 300], [550, 300]], "raw": {"L": "[450 500 40000 500]"}},
 {"page": 1, "kind": "Polygon", "points": [[450, 350], [550, 350], [500, 400]],
  "raw": {"Vertices": "[450 500 550 500 500 -40000]"}}
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

// The values of one annotation, read as the import reads it.
NotesPDFAnnotationValues ValuesOf(PDAnnot annot) {
    const NotesPDFAnnotationRead read = Reader::Read(annot);
    EXPECT_TRUE(read.IsRead()) << read.reason;
    return read.values;
}

PMRect PageRectOf(const NotesPDFAnnotationValues& values) {
    return kPageFrame.ConvertRect(values.rect.left, values.rect.top, values.rect.right, values.rect.bottom);
}

class PDFAnnotationReaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        pdf = std::make_unique<OpenedPdf>(PdfFixtureFiles::annotated("reader", kComments));
    }
    static void TearDownTestSuite() { pdf.reset(); }
    void SetUp() override { CoreFixture::ClearFailureLog(); }

    static NotesPDFAnnotationValues Square(int nth) { return ValuesOf(pdf->Annot(1, "Square", nth)); }
    static NotesPDFAnnotationValues Of(int page, const char* subtype, int nth = 0) {
        return ValuesOf(pdf->Annot(page, subtype, nth));
    }
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
    for (const auto& k : kinds) {
        EXPECT_EQ(Of(k.page, k.subtype).type, k.type) << k.subtype;
        EXPECT_EQ(Of(k.page, k.subtype).subtype, k.subtype);
    }
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

TEST_F(PDFAnnotationReaderTest, StringsDecodeNonLatinTextAndMissingKeysAreNone) {
    const NotesPDFAnnotationValues note = Of(0, "Text");
    EXPECT_EQ(note.content->GetUTF8String(), "日本語のコメント");
    EXPECT_EQ(note.author->GetUTF8String(), "Ελένη");
    EXPECT_FALSE(note.overlayText.has_value());
    EXPECT_FALSE(Of(0, "StrikeOut").content.has_value());
}

TEST_F(PDFAnnotationReaderTest, DatesKeepTheWritersClockTimeAndMissingDatesAreNone) {
    const NotesPDFAnnotationValues note = Of(0, "Text");
    ASSERT_TRUE(note.date.has_value());
    EXPECT_EQ(note.date->year, 2023);
    EXPECT_EQ(note.date->hour, 6);
    EXPECT_EQ(note.date->gmtOffset, 120);
    EXPECT_FALSE(Of(1, "Circle").date.has_value());
}

TEST_F(PDFAnnotationReaderTest, EachKindReadsItsOwnPointsKeyInPdfSpace) {
    // A rectangle given to the tool becomes a quad: upper-left, upper-right, lower-left, lower-right.
    const NotesPDFAnnotationValues strikeOut = Of(0, "StrikeOut");
    EXPECT_EQ(strikeOut.pointsKey, "QuadPoints");
    ExpectPoints(strikeOut.points, {{72, 742}, {120, 742}, {72, 727}, {120, 727}});
    ExpectPoints(kPageFrame.ConvertPoints(strikeOut.points), {{72, 100}, {120, 100}, {72, 115}, {120, 115}});
    EXPECT_EQ(Of(0, "Polygon").pointsKey, "Vertices");
    ExpectPoints(kPageFrame.ConvertPoints(Of(0, "Polygon").points), {{100, 700}, {150, 700}, {125, 750}});
    EXPECT_EQ(Of(0, "Line").pointsKey, "L");
    ExpectPoints(kPageFrame.ConvertPoints(Of(0, "Line").points), {{100, 600}, {200, 650}});
    // Kinds placed by their rectangle read no points.
    EXPECT_TRUE(Square(0).pointsKey.empty());
    EXPECT_TRUE(Square(0).points.empty());
}

TEST_F(PDFAnnotationReaderTest, HighlightQuadsCoverTheSearchedWord) {
    const PMPointList quad = kPageFrame.ConvertPoints(Of(0, "Highlight").points);
    ASSERT_EQ(quad.size(), 4u);
    // "quick" follows "The " on the first line, whose baseline is 72 pt from the top in 12 pt type.
    EXPECT_GT(quad[0].X(), 80);
    EXPECT_LT(quad[1].X(), 130);
    EXPECT_LT(quad[0].Y(), 72);
    EXPECT_GT(quad[2].Y(), 72);
}

TEST_F(PDFAnnotationReaderTest, RectanglesGoThroughTheFrameTopDown) {
    const PMRect square = PageRectOf(Square(0));
    // The tool may widen a shape's rectangle by its border, never by more than the border width.
    EXPECT_NEAR(square.Left(), 100, 1);
    EXPECT_NEAR(square.Top(), 100, 1);
    EXPECT_NEAR(square.Right(), 200, 1);
    EXPECT_NEAR(square.Bottom(), 150, 1);
    EXPECT_LT(square.Top(), square.Bottom());
}

TEST_F(PDFAnnotationReaderTest, LineEndingsMapToArrowheadClasses) {
    const NotesPDFAnnotationValues line = Of(0, "Line");
    EXPECT_EQ(line.startArrowhead, 0x5A03u);
    EXPECT_EQ(line.endArrowhead, 0x5A0Du);
    EXPECT_EQ(line.lineEndings, (std::vector<std::string>{"OpenArrow", "RClosedArrow"}));
    const NotesPDFAnnotationValues polyLine = Of(0, "PolyLine");
    EXPECT_EQ(polyLine.startArrowhead, kInvalidClass);
    EXPECT_EQ(polyLine.endArrowhead, 0x5A09u);
}

TEST_F(PDFAnnotationReaderTest, ColourComponentsOfAnyCount) {
    ExpectComponents(Of(0, "Highlight").color, {1, 1, 0});
    ExpectComponents(Of(0, "StrikeOut").color, {1, 0.5, 0});
    ExpectComponents(Of(0, "Polygon").interiorColor, {0, 0, 1});
    ExpectComponents(Square(6).color, {0.2, 0.4, 0.6, 0.8});
    EXPECT_TRUE(Of(0, "Highlight").interiorColor.empty());
    EXPECT_EQ(Log(), "");
}

TEST_F(PDFAnnotationReaderTest, AnEmptyColourArrayIsLoggedAndGivesNoComponents) {
    EXPECT_TRUE(Square(5).color.empty());
    EXPECT_NE(Log().find("NotesPDFAnnotationReader.cpp("), std::string::npos);
    EXPECT_NE(Log().find("): cosArrayLen > 0 == false\r\n"), std::string::npos) << Log();
}

TEST_F(PDFAnnotationReaderTest, BordersSolidDashedAndCloudy) {
    using V = NotesPDFAnnotationValues;
    EXPECT_DOUBLE_EQ(Square(0).borderWidth, 0.5);
    EXPECT_EQ(Square(0).borderStyle, V::kSolidBorder);
    EXPECT_DOUBLE_EQ(Of(0, "Line").borderWidth, 2.0);
    EXPECT_EQ(Of(0, "Line").borderStyle, V::kDashedBorder);
    EXPECT_EQ(Of(1, "Circle").borderStyle, V::kCloudyBorder);
    EXPECT_EQ(Of(0, "Polygon").borderStyle, V::kIntenseCloudyBorder);
    // A cloudy effect wins over dashes.
    EXPECT_EQ(Square(2).borderStyle, V::kIntenseCloudyBorder);
    EXPECT_DOUBLE_EQ(Square(6).borderWidth, 1.0);
    EXPECT_EQ(Square(6).borderStyle, V::kSolidBorder);
    EXPECT_EQ(Log(), "");
}

TEST_F(PDFAnnotationReaderTest, MalformedBordersKeepTheirDefaultsAndLogTheMissingPart) {
    using V = NotesPDFAnnotationValues;
    const NotesPDFAnnotationValues noDashes = Square(1);
    EXPECT_DOUBLE_EQ(noDashes.borderWidth, 1.5);
    EXPECT_EQ(noDashes.borderStyle, V::kSolidBorder);
    EXPECT_NE(Log().find("): CosObjGetType(cosArray) != CosNull == false\r\n"), std::string::npos) << Log();

    EXPECT_EQ(Square(3).borderStyle, V::kSolidBorder);
    EXPECT_NE(Log().find("): CosObjGetType(cosStyleName) != CosNull == false\r\n"), std::string::npos);
    EXPECT_EQ(Square(4).borderStyle, V::kSolidBorder);
    EXPECT_NE(Log().find("): CosObjGetType(cosInteger) != CosNull == false\r\n"), std::string::npos);
    const std::string log = Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3);
}

TEST_F(PDFAnnotationReaderTest, WithoutBSTheBorderArrayGivesWidthAndDashesAndOtherFormsAreLogged) {
    using V = NotesPDFAnnotationValues;
    EXPECT_DOUBLE_EQ(Of(1, "Line", 0).borderWidth, 3.0);
    EXPECT_EQ(Of(1, "Line", 0).borderStyle, V::kDashedBorder);
    EXPECT_DOUBLE_EQ(Of(1, "Line", 1).borderWidth, 2.0);
    EXPECT_EQ(Of(1, "Line", 1).borderStyle, V::kSolidBorder);
    EXPECT_EQ(Log(), "");
    EXPECT_DOUBLE_EQ(Of(1, "Line", 2).borderWidth, 1.0);
    EXPECT_NE(Log().find("): length == 3 || length == 4 == false\r\n"), std::string::npos) << Log();
    EXPECT_DOUBLE_EQ(Of(1, "Line", 3).borderWidth, 1.0);
    EXPECT_NE(Log().find("): CosObjGetType(cosBorder) == CosArray == false\r\n"), std::string::npos) << Log();
}

TEST_F(PDFAnnotationReaderTest, PointsBeyondWhatACoordinateHoldsAreOutOfRangeNotClipped) {
    const NotesPDFAnnotationRead line = Reader::Read(pdf->Annot(1, "Line", 4));
    EXPECT_EQ(line.error, NotesPDFAnnotationRead::kOutOfRange);
    EXPECT_EQ(line.reason, "Its points (L) lie beyond 32767 points from the page origin.");
    const NotesPDFAnnotationRead polygon = Reader::Read(pdf->Annot(1, "Polygon", 0));
    EXPECT_EQ(polygon.error, NotesPDFAnnotationRead::kOutOfRange);
    EXPECT_EQ(polygon.reason, "Its points (Vertices) lie beyond 32767 points from the page origin.");
}

TEST_F(PDFAnnotationReaderTest, CaretPointComesFromTheAppearancePathThroughItsMatrix) {
    const std::optional<PMPoint> point = Of(0, "Caret", 0).caretPoint;
    ASSERT_TRUE(point.has_value());
    // (0, 0) through [2 0 0 2 10 20] is (10, 20), measured up from the rectangle's lower-left corner.
    EXPECT_NEAR(point->X(), 10, 1e-6);
    EXPECT_NEAR(point->Y(), 20, 1e-6);
}

TEST_F(PDFAnnotationReaderTest, CaretWithoutPointOrWithABadMatrixHasNone) {
    // The operator that would answer is the last token and has no separator after it.
    EXPECT_FALSE(Of(0, "Caret", 1).caretPoint.has_value());
    EXPECT_EQ(Log(), "");
    EXPECT_FALSE(Of(0, "Caret", 2).caretPoint.has_value());
    EXPECT_NE(Log().find("): CosArrayLength(cosMatrix) == 6 == false\r\n"), std::string::npos) << Log();
    // No appearance at all.
    EXPECT_FALSE(Of(1, "Caret").caretPoint.has_value());
}
} // namespace
