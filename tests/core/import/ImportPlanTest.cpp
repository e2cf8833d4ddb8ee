// The import's pre-flight: one opening of the PDF that pairs its pages with the document's pages or
// spreads by the page offset under the one fit rule (the TrimBox before the MediaBox, a tolerance just
// under one point each way, quarter-turned pages and spreads compared with width and height swapped),
// refuses offsets that pair no page, counts the annotations already there, and answers every PDF that
// cannot be imported with its typed failure and one sentence. The well-formed PDFs are made with
// PyMuPDF at test time, the malformed ones byte by byte.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>

#include "../fixtures/CoreFixture.h"
#include "INotesImportUtils.h"
#include "PdfFixtureFiles.h"
#include "RawPdfBuilder.h"
#include "host/commands/CmdUtils.h"
#include "host/document/DocumentManager.h"
#include "host/document/IPageList.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/pdf/PdfLibrary.h"

namespace {
struct PdfPage {
    PMReal width;
    PMReal height;
    std::vector<PMReal> trim = {}; // left, top, right, bottom from the page's top-left corner
};

const PdfPage kLetter{612, 792};
const PdfPage kA4{595, 842};

std::filesystem::path MakePdf(const std::string& name, const std::vector<PdfPage>& pages) {
    const std::filesystem::path script = PdfFixtureFiles::tempDir() / "make_pages.py";
    if (!std::filesystem::exists(script))
        std::ofstream(script) << "import fitz, json, sys\n"
                                 "doc = fitz.open()\n"
                                 "for p in json.loads(sys.argv[2]):\n"
                                 "    page = doc.new_page(width=p[0], height=p[1])\n"
                                 "    if len(p) == 6:\n"
                                 "        page.set_trimbox(fitz.Rect(*p[2:]))\n"
                                 "doc.save(sys.argv[1])\n";
    std::ostringstream json;
    json << "[";
    for (size_t i = 0; i < pages.size(); ++i) {
        json << (i ? ", [" : "[") << pages[i].width << ", " << pages[i].height;
        for (PMReal v : pages[i].trim)
            json << ", " << v;
        json << "]";
    }
    json << "]";
    const std::filesystem::path pdf = PdfFixtureFiles::tempDir() / (name + ".pdf");
    PdfFixtureFiles::run("/usr/bin/python3 " + PdfFixtureFiles::quoted(script) + " " +
                         PdfFixtureFiles::quoted(pdf) + " '" + json.str() + "'");
    return pdf;
}

// The utility object gets the plug-in's interfaces only when the plug-in is registered before its
// first use, as the host does at start-up.
Utils<INotesImportUtils> ImportUtils() {
    CoreFixture::RegisterPlugIns();
    return Utils<INotesImportUtils>();
}

class ImportPlanTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(utils);
        CoreFixture::ClearFailureLog();
    }
    void TearDown() override {
        for (IDocument* document : documents)
            DocumentManager::Instance().CloseDocument(document);
        EXPECT_EQ(PDFLibraryRef::OutstandingReferences(), 0);
        EXPECT_EQ(ACExceptionFrameDepth(), 0);
    }

    // A document of US Letter pages, spreads of the given page counts.
    UIDRef NewDocument(std::vector<int32> spreadPages) {
        DocumentSetup setup;
        setup.spreadPages = std::move(spreadPages);
        IDocument* document = DocumentManager::Instance().NewDocument(setup).document;
        documents.push_back(document);
        IDataBase* db = document->GetDocumentDataBase();
        return UIDRef(db, db->GetRootUID());
    }
    // Turns an object about its inner origin, as a user turning a page or spread would see it.
    static void Rotate(const UIDRef& object, PMReal degrees) {
        CmdUtils::SequenceContext sequence;
        InterfacePtr<ITransform> transform(object);
        PMMatrix matrix = transform->GetInnerToParentMatrix();
        matrix.Rotate(degrees);
        transform->SetInnerToParentMatrix(matrix);
    }
    static UIDRef Page(const UIDRef& document, int32 index) {
        return UIDRef(document.GetDataBase(), InterfacePtr<IPageList>(document)->GetNthPageUID(index));
    }
    static UIDRef Spread(const UIDRef& document, int32 index) {
        return UIDRef(document.GetDataBase(), InterfacePtr<ISpreadList>(document)->GetNthSpreadUID(index));
    }
    NotesImportPlan Plan(const std::filesystem::path& pdf, const UIDRef& document, int32 offset = 0) {
        return utils->PlanImport(PMString(pdf.string()), document, offset);
    }
    // The plan pairs the PDF's pages with the document's pages.
    bool PagesMatch(const std::filesystem::path& pdf, const UIDRef& document, int32 offset = 0) {
        const NotesImportPlan plan = Plan(pdf, document, offset);
        return plan.IsImportable() && !plan.spreads;
    }
    // The plan pairs the PDF's pages with the document's spreads.
    bool SpreadsMatch(const std::filesystem::path& pdf, const UIDRef& document, int32 offset = 0) {
        const NotesImportPlan plan = Plan(pdf, document, offset);
        return plan.IsImportable() && plan.spreads;
    }

    Utils<INotesImportUtils> utils = ImportUtils();
    std::vector<IDocument*> documents;
};

TEST_F(ImportPlanTest, PagesWithinJustUnderOnePointMatch) {
    const UIDRef document = NewDocument({1});
    EXPECT_TRUE(PagesMatch(MakePdf("same", {kLetter}), document));
    EXPECT_TRUE(PagesMatch(MakePdf("wider-half", {{612.5, 792}}), document));
    EXPECT_TRUE(PagesMatch(MakePdf("narrower-almost", {{611.01, 792}}), document));
    EXPECT_TRUE(PagesMatch(MakePdf("taller-half", {{612, 792.5}}), document));
    EXPECT_FALSE(PagesMatch(MakePdf("wider-one", {{613, 792}}), document));
    EXPECT_FALSE(PagesMatch(MakePdf("shorter-one", {{612, 791}}), document));
    EXPECT_FALSE(PagesMatch(MakePdf("a4", {kA4}), document));
}

TEST_F(ImportPlanTest, TheTrimBoxIsComparedWhenThereIsOne) {
    const UIDRef document = NewDocument({1});
    // A page with bleed: the MediaBox is larger, the TrimBox is the page.
    EXPECT_TRUE(PagesMatch(MakePdf("bleed", {{630, 810, {9, 9, 621, 801}}}), document));
    EXPECT_FALSE(PagesMatch(MakePdf("trimmed-smaller", {{612, 792, {0, 0, 600, 792}}}), document));
}

TEST_F(ImportPlanTest, APageTurnedAQuarterMatchesSwappedSizes) {
    const UIDRef document = NewDocument({1});
    const std::filesystem::path landscape = MakePdf("landscape", {{792, 612}});
    const std::filesystem::path portrait = MakePdf("portrait", {kLetter});
    EXPECT_FALSE(PagesMatch(landscape, document));
    Rotate(Page(document, 0), 90);
    EXPECT_TRUE(PagesMatch(landscape, document));
    EXPECT_FALSE(PagesMatch(portrait, document));
    Rotate(Page(document, 0), 180); // 270 in all
    EXPECT_TRUE(PagesMatch(landscape, document));
    Rotate(Page(document, 0), 45); // 315: compared unturned
    EXPECT_TRUE(PagesMatch(portrait, document));
}

TEST_F(ImportPlanTest, TheOffsetPairsPdfPagesWithLaterOrEarlierDocumentPages) {
    const UIDRef document = NewDocument({1, 1});
    const std::filesystem::path pdf = MakePdf("offsets", {kLetter, kA4, kLetter});
    EXPECT_FALSE(Plan(pdf, document, 0).IsImportable());  // PDF 1 with page 1
    const NotesImportPlan ahead = Plan(pdf, document, 1); // PDF 0 with page 1 only
    ASSERT_TRUE(ahead.IsImportable()) << ahead.message.GetUTF8String();
    EXPECT_EQ(ahead.pdfStart, 0);
    EXPECT_EQ(ahead.docStart, 1);
    EXPECT_EQ(ahead.pairCount, 1);
    EXPECT_FALSE(Plan(pdf, document, -1).IsImportable());   // PDF 1 with page 0
    const NotesImportPlan behind = Plan(pdf, document, -2); // PDF 2 with page 0 only
    ASSERT_TRUE(behind.IsImportable());
    EXPECT_EQ(behind.pdfStart, 2);
    EXPECT_EQ(behind.docStart, 0);
    EXPECT_EQ(behind.pairCount, 1);
    EXPECT_EQ(behind.pdfPageCount, 3);
    EXPECT_EQ(behind.docPageCount, 2);
}

TEST_F(ImportPlanTest, APairThatDoesNotFitIsNamedWithBothSizes) {
    const UIDRef document = NewDocument({1, 1});
    const std::filesystem::path pdf = MakePdf("second-a4", {kLetter, kA4});
    const NotesImportPlan plan = Plan(pdf, document);
    EXPECT_EQ(plan.failure, NotesImportPlan::kPagesDoNotFit);
    EXPECT_EQ(plan.pdf, nullptr) << "a refused plan holds no open PDF";
    EXPECT_EQ(plan.message.GetUTF8String(),
              "The pages of " + pdf.string() +
                  " do not fit the document: PDF page 2 measures 595 x 842 points, "
                  "but the page or spread it pairs with measures 612 x 792.");
}

TEST_F(ImportPlanTest, OffsetsThatPairNoPageAreRefusedAtBothEndsOfTheRange) {
    const UIDRef document = NewDocument({1, 1, 1});
    const std::filesystem::path pdf = MakePdf("two-letters", {kLetter, kLetter});
    // -1 to 2 pair at least one page; the ends of the 32-bit range and just past the pages pair none.
    EXPECT_EQ(Plan(pdf, document, 2).pairCount, 1);
    EXPECT_EQ(Plan(pdf, document, -1).pairCount, 1);
    for (int32 offset : {3, -2, INT_MAX, INT_MIN, INT_MIN + 1}) {
        const NotesImportPlan plan = Plan(pdf, document, offset);
        EXPECT_EQ(plan.failure, NotesImportPlan::kOffsetPairsNoPage) << offset;
        EXPECT_EQ(plan.pdf, nullptr);
    }
    EXPECT_EQ(Plan(pdf, document, INT_MIN).message.GetUTF8String(),
              "The page offset -2147483648 pairs no page of the PDF (2 pages) with a page of the document (3 "
              "pages); give an offset from -1 to 2.");
    EXPECT_EQ(Plan(pdf, document, INT_MIN).failure, NotesImportPlan::kOffsetPairsNoPage);
    const std::filesystem::path spreads = MakePdf("one-spread", {{1224, 792}});
    EXPECT_EQ(Plan(spreads, NewDocument({2}), 5).failure, NotesImportPlan::kOffsetPairsNoPage);
}

TEST_F(ImportPlanTest, ThePlanCountsTheAnnotationsAlreadyThereAndHoldsTheOpenPdf) {
    const UIDRef document = NewDocument({1});
    const NotesImportPlan plan = Plan(MakePdf("letter", {kLetter}), document);
    ASSERT_TRUE(plan.IsImportable());
    EXPECT_EQ(plan.existingAnnotations, 0);
    ASSERT_NE(plan.pdf, nullptr);
    EXPECT_EQ(PDDocGetNumPages(plan.pdf.get()), 1);
}

// PDFs the import cannot read at all, each with its own failure and sentence.
TEST_F(ImportPlanTest, EveryUnreadablePdfGetsItsTypedFailureAndOneSentence) {
    const UIDRef document = NewDocument({1});
    const auto raw = [](const std::string& name, const std::string& pages, const std::string& extra = "") {
        RawPdfBuilder pdf;
        pdf.object(1, "<< /Type /Catalog /Pages 2 0 R >>").object(2, pages);
        if (!extra.empty())
            pdf.object(3, extra);
        return PdfFixtureFiles::writeFile(name, pdf.build(1));
    };
    const std::filesystem::path locked = PdfFixtureFiles::tempDir() / "plan-locked.pdf";
    PdfFixtureFiles::run("qpdf --encrypt secret secret 256 -- " +
                         PdfFixtureFiles::quoted(MakePdf("plain", {kLetter})) + " " +
                         PdfFixtureFiles::quoted(locked));
    const struct {
        std::filesystem::path pdf;
        NotesImportPlan::Failure failure;
        std::string sentence; // after the path
    } cases[] = {
        {PdfFixtureFiles::tempDir() / "no-such.pdf", NotesImportPlan::kNoSuchFile, ""},
        {PdfFixtureFiles::tempDir(), NotesImportPlan::kUnreadableFile,
         " cannot be read: it is a folder or you may not read it."},
        {PdfFixtureFiles::writeFile("plan-text.pdf", "Dear reviewer,\nplease see the notes.\n"),
         NotesImportPlan::kNotAPDF, " is not a PDF file."},
        {PdfFixtureFiles::writeFile("plan-broken.pdf", "%PDF-1.7\n1 0 obj << /Type"),
         NotesImportPlan::kDamaged,
         " is a damaged PDF file that cannot be read; export or save it again and import the new file."},
        {locked, NotesImportPlan::kNeedsPassword,
         " is protected by a password; save a copy without the password and import that copy."},
        {raw("plan-empty.pdf", "<< /Type /Pages /Kids [] /Count 0 >>"), NotesImportPlan::kNoPages,
         " has no pages, so it holds no comments to import."},
        {raw("plan-unreachable.pdf", "<< /Type /Pages /Kids [7 0 R 8 0 R] /Count 2 >>"),
         NotesImportPlan::kNoReachablePages,
         " lists pages that its page tree does not reach, so none of its comments can be read."},
        {raw("plan-kids-not-pages.pdf", "<< /Type /Pages /Kids [null 7] /Count 2 >>"),
         NotesImportPlan::kNoReachablePages, ""},
        {raw("plan-loop.pdf", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
             "<< /Type /Pages /Parent 2 0 R /Kids [2 0 R] /Count 1 >>"),
         NotesImportPlan::kPageTreeLoops, ""},
    };
    for (const auto& c : cases) {
        const NotesImportPlan plan = Plan(c.pdf, document);
        EXPECT_EQ(plan.failure, c.failure) << c.pdf;
        EXPECT_EQ(plan.pdf, nullptr) << c.pdf;
        const std::string message = plan.message.GetUTF8String();
        if (!c.sentence.empty()) {
            EXPECT_EQ(message, c.pdf.string() + c.sentence);
        }
        EXPECT_NE(message.find(c.pdf.string()), std::string::npos) << message;
        ASSERT_FALSE(message.empty());
        EXPECT_EQ(message.back(), '.') << message;
    }
    EXPECT_EQ(Plan(cases[0].pdf, document).message.GetUTF8String(),
              "There is no file " + cases[0].pdf.string() + ".");
    EXPECT_EQ(Plan(cases[8].pdf, document).message.GetUTF8String(),
              "The page tree of " + cases[8].pdf.string() +
                  " loops back on itself, so its pages cannot be read.");
}

TEST_F(ImportPlanTest, SpreadsExportedAsOnePdfPageEachMatchTheSpreads) {
    const UIDRef document = NewDocument({1, 2, 2});
    const std::filesystem::path spreads = MakePdf("spreads", {kLetter, {1224, 792}, {1224.5, 792}});
    EXPECT_TRUE(SpreadsMatch(spreads, document));
    EXPECT_EQ(Plan(spreads, document).pairCount, 3);
    EXPECT_FALSE(PagesMatch(spreads, document));
    EXPECT_FALSE(SpreadsMatch(MakePdf("spreads-wide", {kLetter, {1225, 792}}), document));
    // Pages of a PDF that fits the pages pair with pages, not spreads.
    EXPECT_TRUE(PagesMatch(MakePdf("pages", {kLetter, kLetter, kLetter}), document));
}

TEST_F(ImportPlanTest, SpreadsStartAtTheSpreadOfTheOffsetPage) {
    const UIDRef document = NewDocument({1, 2, 2});
    const std::filesystem::path wide = MakePdf("two-wide", {{1224, 792}, {1224, 792}});
    EXPECT_FALSE(SpreadsMatch(wide, document, 0));
    EXPECT_TRUE(SpreadsMatch(wide, document, 1)); // page 1 is on spread 1
    EXPECT_EQ(Plan(wide, document, 1).firstSpread, 1);
    EXPECT_TRUE(SpreadsMatch(wide, document, 2)); // so is page 2
    EXPECT_TRUE(SpreadsMatch(wide, document, 3)); // page 3 is on spread 2: one pair
    EXPECT_EQ(Plan(wide, document, 3).pairCount, 1);
    EXPECT_TRUE(SpreadsMatch(MakePdf("lead-in", {kA4, kLetter, {1224, 792}}), document, -1));
}

TEST_F(ImportPlanTest, ASpreadTurnedAQuarterMatchesSwappedSizes) {
    const UIDRef document = NewDocument({2});
    const std::filesystem::path turned = MakePdf("turned-spread", {{792, 1224}});
    EXPECT_FALSE(SpreadsMatch(turned, document));
    Rotate(Spread(document, 0), -90);
    EXPECT_TRUE(SpreadsMatch(turned, document));
}
} // namespace
