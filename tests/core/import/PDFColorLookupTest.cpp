// The import's colour look-up (the reader's colour components, then the colour manager) on PDFs a third-party
// tool annotated: each "C" or "IC" array becomes a swatch of the document through its colour manager, kind
// swatches for the kind's default colour and shared "Annotation Color" swatches for the rest; missing, empty
// and unusable inputs give no swatch, with the log lines of the failing check.
#include <gtest/gtest.h>

#include <memory>

#include "../colors/ColorTestDocument.h"
#include "../fixtures/CoreFixture.h"
#include "../fixtures/OpenedPdf.h"
#include "PdfFixtureFiles.h"
#include "import/NotesPDFAnnotationReader.h"

using Reader = NotesPDFAnnotationReader;
using A = INotesAnnotation;

namespace {
const char* kComments = R"([
 {"page": 0, "kind": "Highlight", "rects": [[72, 100, 160, 115]], "stroke": [1, 1, 0]},
 {"page": 0, "kind": "Highlight", "rects": [[72, 200, 160, 215]], "stroke": [1, 0.5, 0]},
 {"page": 0, "kind": "Highlight", "rects": [[72, 300, 160, 315]], "stroke": [1, 0.5, 0]},
 {"page": 1, "kind": "Square", "rect": [100, 100, 200, 150], "stroke": [1, 0, 0], "fill": [1, 0.5, 0]},
 {"page": 1, "kind": "Square", "rect": [100, 200, 200, 250], "raw": {"C": "[0 0 1 0]"}},
 {"page": 1, "kind": "Square", "rect": [100, 300, 200, 350], "raw": {"C": "[]"}},
 {"page": 1, "kind": "Square", "rect": [100, 400, 200, 450], "raw": {"C": "[1 /Orange 0]"}}
])";

class PDFColorLookupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        pdf = std::make_unique<OpenedPdf>(PdfFixtureFiles::annotated("colors", kComments));
    }
    static void TearDownTestSuite() { pdf.reset(); }
    void SetUp() override { CoreFixture::ClearFailureLog(); }

    // The swatch for the colour the reader reads under the key, as the import's creator asks for it.
    UID Color(int32 page, const char* subtype, int nth, const char* key, int32 type) {
        const NotesPDFAnnotationRead read = Reader::Read(pdf->Annot(page, subtype, nth));
        const std::vector<PMReal>& components =
            std::string(key) == "C" ? read.values.color : read.values.interiorColor;
        return read.IsRead() && !components.empty() ? doc.Manager()->GetColor(components, type) : kInvalidUID;
    }
    UID Highlight(int nth) { return Color(0, "Highlight", nth, "C", A::kHighlightAnnotation); }
    static std::string Log() { return CoreFixture::FailureLogText(); }

    static std::unique_ptr<OpenedPdf> pdf;
    ColorTestDocument doc;
};
std::unique_ptr<OpenedPdf> PDFColorLookupTest::pdf;

TEST_F(PDFColorLookupTest, AHighlightInTheDefaultYellowGetsTheHighlightSwatch) {
    const UID swatch = Highlight(0);
    EXPECT_EQ(doc.NameOf(swatch), "Highlight Annotation Color");
    EXPECT_EQ(doc.List()->GetKindColor(A::kHighlightAnnotation), swatch);
}

TEST_F(PDFColorLookupTest, TwoOrangeHighlightsShareOneAnnotationColorSwatch) {
    const UID first = Highlight(1);
    ASSERT_NE(first, kInvalidUID);
    EXPECT_EQ(doc.NameOf(first), "Annotation Color");
    // The PDF's 0.5 went through 16.16 fixed point, exactly.
    EXPECT_EQ(doc.ComponentsOf(first), (std::vector<PMReal>{1, 0.5, 0}));
    EXPECT_EQ(Highlight(2), first);
    EXPECT_EQ(doc.SwatchesNamed("Annotation Color").Length(), 1);
    // The square's interior colour is the same colour.
    EXPECT_EQ(Color(1, "Square", 0, "IC", A::kSquareAnnotation), first);
}

TEST_F(PDFColorLookupTest, FourComponentsAreLookedUpAsTheyAre) {
    const UID cmyk = Color(1, "Square", 1, "C", A::kSquareAnnotation);
    EXPECT_EQ(doc.NameOf(cmyk), "Annotation Color");
    EXPECT_EQ(doc.ComponentsOf(cmyk), (std::vector<PMReal>{0, 0, 1, 0}));
    EXPECT_EQ(Color(1, "Square", 1, "C", A::kHighlightAnnotation), cmyk);
}

TEST_F(PDFColorLookupTest, AMissingKeyGivesNoSwatchAndNoLogLine) {
    const int32 before = doc.SwatchCount();
    EXPECT_EQ(Color(0, "Highlight", 0, "IC", A::kHighlightAnnotation), kInvalidUID);
    EXPECT_EQ(doc.SwatchCount(), before);
    EXPECT_EQ(Log(), "");
}

TEST_F(PDFColorLookupTest, AnEmptyArrayIsLogged) {
    EXPECT_EQ(Color(1, "Square", 2, "C", A::kSquareAnnotation), kInvalidUID);
    EXPECT_NE(Log().find("NotesPDFAnnotationReader.cpp("), std::string::npos);
    EXPECT_NE(Log().find("): cosArrayLen > 0 == false\r\n"), std::string::npos);
}

TEST_F(PDFColorLookupTest, ANonNumberFailsTheAnnotationBeforeAnySwatchIsMade) {
    const int32 before = doc.SwatchCount();
    const NotesPDFAnnotationRead read = Reader::Read(pdf->Annot(1, "Square", 3));
    EXPECT_EQ(read.error, NotesPDFAnnotationRead::kMalformed);
    EXPECT_EQ(read.reason, "Its C entry cannot be read: a number was expected.");
    EXPECT_EQ(Color(1, "Square", 3, "C", A::kSquareAnnotation), kInvalidUID);
    EXPECT_EQ(doc.SwatchCount(), before);
}

TEST_F(PDFColorLookupTest, APopupGetsNoSwatch) {
    EXPECT_EQ(Color(0, "Highlight", 0, "C", A::kPopupAnnotation), kInvalidUID);
    EXPECT_NE(Log().find("): annotType != INotesAnnotation::kPopupAnnotation == false\r\n"),
              std::string::npos);
}
} // namespace
