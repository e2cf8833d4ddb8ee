// Reading the annotations a real third-party tool writes: kinds, geometry,
// strings, colours, borders, line endings, dates and links between
// annotations. Coordinates in the comment list are top-down page points of
// the 595 x 842 sample; the file stores y upwards, so y becomes 842 - y.
#include "PdfFixtureFiles.h"
#include "PdfTestDocument.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr double kPageHeight = 842;

const char* kComments = R"([
 {"page": 0, "kind": "Text", "near": "fox", "contents": "日本語のコメント", "author": "Ελένη",
  "date": "D:20230405060708+02'00'", "popup": true, "open": true, "icon": "Comment", "stroke": [1, 0, 0]},
 {"page": 0, "kind": "Highlight", "search": "quick", "stroke": [1, 1, 0], "author": "Reviewer"},
 {"page": 0, "kind": "StrikeOut", "search": "lazy", "stroke": [1, 0, 0]},
 {"page": 0, "kind": "Caret", "near": "lazy", "in_reply_to": 2, "contents": "sleepy"},
 {"page": 0, "kind": "Caret", "point": [300, 300], "appearance": "q 1 0 0 1 0 0 cm 3.5 2 m\n",
  "matrix": [1, 0, 0, 1, 10, 20]},
 {"page": 0, "kind": "Redact", "search": "dozen", "overlay_text": "twelve"},
 {"page": 0, "kind": "FreeText", "rect": [300, 400, 450, 440], "text": "callout",
  "callout": [[250, 500], [280, 450], [300, 420]]},
 {"page": 0, "kind": "Line", "points": [[100, 600], [200, 650]], "line_ends": ["OpenArrow", "RClosedArrow"],
  "width": 2, "dashes": [3, 2]},
 {"page": 0, "kind": "PolyLine", "points": [[300, 600], [350, 650], [400, 600]], "line_ends": ["None", "Circle"]},
 {"page": 0, "kind": "Polygon", "points": [[100, 700], [150, 700], [125, 750]], "cloudy": 2, "fill": [0, 0, 1]},
 {"page": 1, "kind": "Circle", "rect": [300, 300, 360, 340], "cloudy": 1, "flags": 2},
 {"page": 1, "kind": "Square", "rect": [100, 100, 200, 150], "style": "D", "width": 0.5},
 {"page": 1, "kind": "Underline", "rects": [[72, 60, 120, 75]]},
 {"page": 1, "kind": "Squiggly", "search": "quick"},
 {"page": 1, "kind": "Text", "point": [500, 700], "contents": "no date", "raw": {"M": "null"}},
 {"page": 1, "kind": "Text", "point": [500, 720], "date": "D:2021"},
 {"page": 1, "kind": "Text", "point": [500, 740], "date": "D:20221231235959Z"},
 {"page": 1, "kind": "Text", "point": [500, 760], "date": "D:20240229120000-05'30'"},
 {"page": 1, "kind": "Text", "point": [500, 780], "date": "D:20230230120000"},
 {"page": 1, "kind": "Text", "point": [520, 700], "raw": {"M": "<FEFF0044003A00320030003100390030003300300031>"}}
])";

class PdfAnnotationReadingTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        pdf = std::make_unique<PdfTestDocument>(PdfFixtureFiles::annotated("reading", kComments));
    }
    static void TearDownTestSuite() { pdf.reset(); }

    static CosObj dict(int page, const char* subtype) { return PDAnnotGetCosObj(pdf->only(page, subtype)); }
    static std::vector<double> flipped(std::vector<double> xy) {
        for (std::size_t i = 1; i < xy.size(); i += 2) {
            xy[i] = kPageHeight - xy[i];
        }
        return xy;
    }
    static void expectNear(const std::vector<double>& actual, const std::vector<double>& expected) {
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < actual.size(); ++i) {
            EXPECT_NEAR(actual[i], expected[i], 0.01) << "element " << i;
        }
    }

    static std::unique_ptr<PdfTestDocument> pdf;
};

std::unique_ptr<PdfTestDocument> PdfAnnotationReadingTest::pdf;

TEST_F(PdfAnnotationReadingTest, OpensAndCountsPagesAndAnnotations) {
    ASSERT_EQ(pdf->openError(), genErrNoError);
    EXPECT_EQ(PDDocGetNumPages(pdf->doc()), 2);
    // The tool gives every sticky note a popup of its own.
    EXPECT_EQ(pdf->annotations(0).size(), 11u);
    EXPECT_EQ(pdf->annotations(1).size(), 16u);
    EXPECT_EQ(pdf->annotations(1, "Popup").size(), 6u);
}

TEST_F(PdfAnnotationReadingTest, EverySubtypeComesBackAsItsAtom) {
    const char* kinds[] = {"Text",     "Popup", "Highlight", "StrikeOut", "Redact",
                           "FreeText", "Line",  "PolyLine",  "Polygon"};
    for (const char* kind : kinds) {
        EXPECT_FALSE(pdf->annotations(0, kind).empty()) << kind;
    }
    EXPECT_EQ(pdf->annotations(0, "Caret").size(), 2u);
    for (const char* kind : {"Circle", "Square", "Underline", "Squiggly"}) {
        EXPECT_EQ(pdf->annotations(1, kind).size(), 1u) << kind;
    }
    for (PDAnnot annot : pdf->annotations(0)) {
        EXPECT_TRUE(PDAnnotIsValid(annot));
    }
}

TEST_F(PdfAnnotationReadingTest, RectangleIsNormalisedWithTopAsUpperEdge) {
    ASFixedRect rect;
    PDAnnotGetRect(pdf->only(1, "Square"), &rect);
    EXPECT_NEAR(PdfTestDocument::real(rect.left), 100, 0.01);
    EXPECT_NEAR(PdfTestDocument::real(rect.right), 200, 0.01);
    EXPECT_NEAR(PdfTestDocument::real(rect.top), kPageHeight - 100, 0.01);
    EXPECT_NEAR(PdfTestDocument::real(rect.bottom), kPageHeight - 150, 0.01);
}

TEST_F(PdfAnnotationReadingTest, LinePointsAndVerticesArePdfCoordinates) {
    expectNear(PdfTestDocument::numbers(dict(0, "Line"), "L"), flipped({100, 600, 200, 650}));
    expectNear(PdfTestDocument::numbers(dict(0, "Polygon"), "Vertices"),
               flipped({100, 700, 150, 700, 125, 750}));
    expectNear(PdfTestDocument::numbers(dict(0, "PolyLine"), "Vertices"),
               flipped({300, 600, 350, 650, 400, 600}));
    expectNear(PdfTestDocument::numbers(dict(0, "FreeText"), "CL"), flipped({250, 500, 280, 450, 300, 420}));
    EXPECT_EQ(PdfTestDocument::name(CosDictGetKeyString(dict(0, "FreeText"), "IT")), "FreeTextCallout");
}

TEST_F(PdfAnnotationReadingTest, QuadPointsCoverTheMarkedWords) {
    const auto quick = PdfTestDocument::numbers(dict(0, "Highlight"), "QuadPoints");
    const auto lazy = PdfTestDocument::numbers(dict(0, "StrikeOut"), "QuadPoints");
    ASSERT_EQ(quick.size(), 8u);
    ASSERT_EQ(lazy.size(), 8u);
    // Both words sit on the first line, baseline 72 pt from the top.
    const double baseline = kPageHeight - 72;
    for (const auto* quad : {&quick, &lazy}) {
        EXPECT_GT((*quad)[1], baseline);
        EXPECT_LT((*quad)[5], baseline);
    }
    // "quick" is the second word, "lazy" the eighth: left of it and narrower
    // than the line.
    EXPECT_GT(quick[0], 72);
    EXPECT_LT(quick[2], lazy[0]);
    EXPECT_LT(quick[2] - quick[0], 60);
    expectNear(PdfTestDocument::numbers(dict(1, "Underline"), "QuadPoints"),
               flipped({72, 60, 120, 60, 72, 75, 120, 75}));
}

TEST_F(PdfAnnotationReadingTest, ColoursReadAsComponentLists) {
    expectNear(PdfTestDocument::numbers(dict(0, "Highlight"), "C"), {1, 1, 0});
    expectNear(PdfTestDocument::numbers(dict(0, "Polygon"), "IC"), {0, 0, 1});
    EXPECT_EQ(CosObjGetType(CosDictGetKeyString(dict(0, "Line"), "IC")), CosNull);
}

TEST_F(PdfAnnotationReadingTest, BordersKeepWidthStyleDashesAndClouds) {
    CosObj lineBorder = CosDictGetKeyString(dict(0, "Line"), "BS");
    EXPECT_NEAR(PdfTestDocument::number(lineBorder, "W"), 2, 1e-4);
    EXPECT_EQ(PdfTestDocument::name(CosDictGetKeyString(lineBorder, "S")), "D");
    expectNear(PdfTestDocument::numbers(lineBorder, "D"), {3, 2});

    CosObj squareBorder = CosDictGetKeyString(dict(1, "Square"), "BS");
    EXPECT_NEAR(PdfTestDocument::number(squareBorder, "W"), 0.5, 1e-4);
    EXPECT_EQ(PdfTestDocument::name(CosDictGetKeyString(squareBorder, "S")), "D");
    EXPECT_EQ(CosObjGetType(CosDictGetKeyString(squareBorder, "D")), CosNull);

    CosObj polygonCloud = CosDictGetKeyString(dict(0, "Polygon"), "BE");
    EXPECT_EQ(PdfTestDocument::name(CosDictGetKeyString(polygonCloud, "S")), "C");
    EXPECT_EQ(CosIntegerValue(CosDictGetKeyString(polygonCloud, "I")), 2);
    CosObj circleCloud = CosDictGetKeyString(dict(1, "Circle"), "BE");
    EXPECT_EQ(CosIntegerValue(CosDictGetKeyString(circleCloud, "I")), 1);
}

TEST_F(PdfAnnotationReadingTest, LineEndingsAreNames) {
    CosObj lineEnds = CosDictGetKeyString(dict(0, "Line"), "LE");
    ASSERT_EQ(CosObjGetType(lineEnds), CosArray);
    ASSERT_EQ(CosArrayLength(lineEnds), 2);
    EXPECT_EQ(CosNameValue(CosArrayGet(lineEnds, 0)), ASAtomFromString("OpenArrow"));
    EXPECT_EQ(CosNameValue(CosArrayGet(lineEnds, 1)), ASAtomFromString("RClosedArrow"));
    CosObj polyEnds = CosDictGetKeyString(dict(0, "PolyLine"), "LE");
    EXPECT_EQ(PdfTestDocument::name(CosArrayGet(polyEnds, 0)), "None");
    EXPECT_EQ(PdfTestDocument::name(CosArrayGet(polyEnds, 1)), "Circle");
}

TEST_F(PdfAnnotationReadingTest, AuthorAndContentsDecodeNonLatinText) {
    CosObj note = PDAnnotGetCosObj(pdf->annotations(0, "Text").at(0));
    EXPECT_EQ(PdfTestDocument::text(note, "Contents"), u"日本語のコメント");
    EXPECT_EQ(PdfTestDocument::text(note, "T"), u"Ελένη");
    EXPECT_EQ(PdfTestDocument::text(dict(0, "Highlight"), "T"), u"Reviewer");
    EXPECT_EQ(PdfTestDocument::text(dict(0, "Redact"), "OverlayText"), u"twelve");
    EXPECT_EQ(PdfTestDocument::text(dict(0, "Highlight"), "NoSuchKey"), u"");
}

TEST_F(PdfAnnotationReadingTest, FlagsAndIconName) {
    EXPECT_EQ(CosIntegerValue(CosDictGetKeyString(dict(1, "Circle"), "F")), 2);
    CosObj note = PDAnnotGetCosObj(pdf->annotations(0, "Text").at(0));
    EXPECT_EQ(PdfTestDocument::name(CosDictGetKeyString(note, "Name")), "Comment");
}

TEST_F(PdfAnnotationReadingTest, DateKeepsLocalTimeAndOffset) {
    ASTimeRec date;
    ASSERT_TRUE(PDAnnotGetDate(pdf->annotations(0, "Text").at(0), &date));
    EXPECT_EQ(date.year, 2023);
    EXPECT_EQ(date.month, 4);
    EXPECT_EQ(date.day, 5);
    EXPECT_EQ(date.hour, 6);
    EXPECT_EQ(date.minute, 7);
    EXPECT_EQ(date.second, 8);
    EXPECT_TRUE(date.hasGmtOffset);
    EXPECT_EQ(date.gmtOffset, 120);
}

TEST_F(PdfAnnotationReadingTest, DatePartialZuluNegativeInvalidAndUnicodeForms) {
    const auto notes = pdf->annotations(1, "Text");
    ASSERT_EQ(notes.size(), 6u);
    ASTimeRec date;
    EXPECT_FALSE(PDAnnotGetDate(notes[0], &date)) << "no M at all";

    ASSERT_TRUE(PDAnnotGetDate(notes[1], &date));
    EXPECT_EQ(date.year, 2021);
    EXPECT_EQ(date.month, 1);
    EXPECT_EQ(date.day, 1);
    EXPECT_FALSE(date.hasGmtOffset);

    ASSERT_TRUE(PDAnnotGetDate(notes[2], &date));
    EXPECT_EQ(date.hour, 23);
    EXPECT_EQ(date.second, 59);
    EXPECT_TRUE(date.hasGmtOffset);
    EXPECT_EQ(date.gmtOffset, 0);

    ASSERT_TRUE(PDAnnotGetDate(notes[3], &date));
    EXPECT_EQ(date.month, 2);
    EXPECT_EQ(date.day, 29);
    EXPECT_EQ(date.gmtOffset, -330);

    EXPECT_FALSE(PDAnnotGetDate(notes[4], &date)) << "30 February";

    ASSERT_TRUE(PDAnnotGetDate(notes[5], &date));
    EXPECT_EQ(date.year, 2019);
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.day, 1);
}

TEST_F(PdfAnnotationReadingTest, PopupAndParentLinkTheSameObjects) {
    CosObj note = PDAnnotGetCosObj(pdf->annotations(0, "Text").at(0));
    CosObj popup = PDAnnotGetCosObj(pdf->only(0, "Popup"));
    EXPECT_TRUE(CosObjEqual(CosDictGetKeyString(note, "Popup"), popup));
    EXPECT_TRUE(CosObjEqual(CosDictGetKeyString(popup, "Parent"), note));
    EXPECT_FALSE(CosObjEqual(CosDictGetKeyString(popup, "Parent"), popup));
    EXPECT_TRUE(CosBooleanValue(CosDictGetKeyString(popup, "Open")));
}

TEST_F(PdfAnnotationReadingTest, CaretRepliesToItsStrikeOut) {
    const auto carets = pdf->annotations(0, "Caret");
    CosObj strikeOut = dict(0, "StrikeOut");
    CosObj inReplyTo = CosDictGetKeyString(PDAnnotGetCosObj(carets[0]), "IRT");
    EXPECT_TRUE(CosObjEqual(inReplyTo, strikeOut));
    EXPECT_FALSE(CosObjEqual(inReplyTo, dict(0, "Highlight")));
    EXPECT_EQ(PdfTestDocument::text(PDAnnotGetCosObj(carets[0]), "Contents"), u"sleepy");
}

TEST_F(PdfAnnotationReadingTest, CaretAppearanceStreamDecodesToItsText) {
    CosObj caret = PDAnnotGetCosObj(pdf->annotations(0, "Caret").at(1));
    CosObj normal = CosDictGetKeyString(CosDictGetKeyString(caret, "AP"), "N");
    ASSERT_EQ(CosObjGetType(normal), CosStream);
    // The file stores it compressed; the reader hands out the content.
    EXPECT_EQ(PdfTestDocument::streamBytes(normal, 2048, 2048), "q 1 0 0 1 0 0 cm 3.5 2 m\n");
    EXPECT_EQ(PdfTestDocument::streamBytes(normal, 3, 2048), "q 1 0 0 1 0 0 cm 3.5 2 m\n");
    EXPECT_GT(CosStreamLength(normal), 0);
    expectNear(PdfTestDocument::numbers(normal, "Matrix"), {1, 0, 0, 1, 10, 20});
    EXPECT_EQ(CosArrayLength(CosDictGetKeyString(normal, "BBox")), 4);
}

TEST_F(PdfAnnotationReadingTest, PageBoxesAndMissingTrimBox) {
    PDPage page = PDDocAcquirePage(pdf->doc(), 1);
    ASFixedRect box;
    PDPageGetMediaBox(page, &box);
    EXPECT_NEAR(PdfTestDocument::real(box.right - box.left), 595, 0.01);
    EXPECT_NEAR(PdfTestDocument::real(box.top - box.bottom), kPageHeight, 0.01);
    ASFixedRect untouched{1, 2, 3, 4};
    EXPECT_FALSE(PDPageGetBox(page, ASAtomFromString("TrimBox"), &untouched));
    EXPECT_EQ(untouched.left, 1);
    EXPECT_TRUE(PDPageGetBox(page, ASAtomFromString("MediaBox"), &box));
    EXPECT_EQ(PDPageGetNumber(page), 1);
}

} // namespace
