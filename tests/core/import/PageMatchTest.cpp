// Whether a PDF's pages fit the document's pages or spreads: pairing by the page offset, the TrimBox
// before the MediaBox, a tolerance just under one point each way, quarter-turned pages compared with
// width and height swapped, and the standing answer (they match) when nothing can be compared.
// The PDFs are made with PyMuPDF at test time.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>

#include "../fixtures/CoreFixture.h"
#include "INotesImportUtils.h"
#include "PdfFixtureFiles.h"
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

class PageMatchTest : public ::testing::Test {
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
    bool PagesMatch(const std::filesystem::path& pdf, const UIDRef& document, int32 offset = 0) {
        return utils->DoPagesMatch(PMString(pdf.string()), document, offset);
    }
    bool SpreadsMatch(const std::filesystem::path& pdf, const UIDRef& document, int32 offset = 0) {
        return utils->DoSpreadsMatch(PMString(pdf.string()), document, offset);
    }

    Utils<INotesImportUtils> utils = ImportUtils();
    std::vector<IDocument*> documents;
};

TEST_F(PageMatchTest, PagesWithinJustUnderOnePointMatch) {
    const UIDRef document = NewDocument({1});
    EXPECT_TRUE(PagesMatch(MakePdf("same", {kLetter}), document));
    EXPECT_TRUE(PagesMatch(MakePdf("wider-half", {{612.5, 792}}), document));
    EXPECT_TRUE(PagesMatch(MakePdf("narrower-almost", {{611.01, 792}}), document));
    EXPECT_TRUE(PagesMatch(MakePdf("taller-half", {{612, 792.5}}), document));
    EXPECT_FALSE(PagesMatch(MakePdf("wider-one", {{613, 792}}), document));
    EXPECT_FALSE(PagesMatch(MakePdf("shorter-one", {{612, 791}}), document));
    EXPECT_FALSE(PagesMatch(MakePdf("a4", {kA4}), document));
}

TEST_F(PageMatchTest, TheTrimBoxIsComparedWhenThereIsOne) {
    const UIDRef document = NewDocument({1});
    // A page with bleed: the MediaBox is larger, the TrimBox is the page.
    EXPECT_TRUE(PagesMatch(MakePdf("bleed", {{630, 810, {9, 9, 621, 801}}}), document));
    EXPECT_FALSE(PagesMatch(MakePdf("trimmed-smaller", {{612, 792, {0, 0, 600, 792}}}), document));
}

TEST_F(PageMatchTest, APageTurnedAQuarterMatchesSwappedSizes) {
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

TEST_F(PageMatchTest, TheOffsetPairsPdfPagesWithLaterOrEarlierDocumentPages) {
    const UIDRef document = NewDocument({1, 1});
    const std::filesystem::path pdf = MakePdf("offsets", {kLetter, kA4, kLetter});
    EXPECT_FALSE(PagesMatch(pdf, document, 0));  // PDF 1 with page 1
    EXPECT_TRUE(PagesMatch(pdf, document, 1));   // PDF 0 with page 1 only
    EXPECT_FALSE(PagesMatch(pdf, document, -1)); // PDF 1 with page 0
    EXPECT_TRUE(PagesMatch(pdf, document, -2));  // PDF 2 with page 0 only
}

TEST_F(PageMatchTest, NothingToCompareMeansTheyMatch) {
    const UIDRef document = NewDocument({1});
    const std::filesystem::path a4 = MakePdf("a4-only", {kA4});
    EXPECT_TRUE(PagesMatch(a4, document, 1));
    EXPECT_TRUE(PagesMatch(a4, document, -1));
    EXPECT_TRUE(PagesMatch(a4, document, INT_MAX));
    EXPECT_TRUE(PagesMatch(a4, document, INT_MIN));
    EXPECT_TRUE(SpreadsMatch(a4, document, INT_MIN));
    EXPECT_TRUE(PagesMatch(PdfFixtureFiles::tempDir() / "no-such.pdf", document));
    EXPECT_TRUE(SpreadsMatch(PdfFixtureFiles::tempDir() / "no-such.pdf", document));
}

TEST_F(PageMatchTest, SpreadsExportedAsOnePdfPageEachMatchTheSpreads) {
    const UIDRef document = NewDocument({1, 2, 2});
    const std::filesystem::path spreads = MakePdf("spreads", {kLetter, {1224, 792}, {1224.5, 792}});
    EXPECT_TRUE(SpreadsMatch(spreads, document));
    EXPECT_FALSE(PagesMatch(spreads, document));
    EXPECT_FALSE(SpreadsMatch(MakePdf("spreads-wide", {kLetter, {1225, 792}}), document));
    EXPECT_FALSE(SpreadsMatch(MakePdf("pages", {kLetter, kLetter, kLetter}), document));
}

TEST_F(PageMatchTest, SpreadsStartAtTheSpreadOfTheOffsetPage) {
    const UIDRef document = NewDocument({1, 2, 2});
    const std::filesystem::path wide = MakePdf("two-wide", {{1224, 792}, {1224, 792}});
    EXPECT_FALSE(SpreadsMatch(wide, document, 0));
    EXPECT_TRUE(SpreadsMatch(wide, document, 1)); // page 1 is on spread 1
    EXPECT_TRUE(SpreadsMatch(wide, document, 2)); // so is page 2
    EXPECT_TRUE(SpreadsMatch(wide, document, 3)); // page 3 is on spread 2: one pair
    EXPECT_TRUE(SpreadsMatch(MakePdf("lead-in", {kA4, kLetter, {1224, 792}}), document, -1));
}

TEST_F(PageMatchTest, ASpreadTurnedAQuarterMatchesSwappedSizes) {
    const UIDRef document = NewDocument({2});
    const std::filesystem::path turned = MakePdf("turned-spread", {{792, 1224}});
    EXPECT_FALSE(SpreadsMatch(turned, document));
    Rotate(Spread(document, 0), -90);
    EXPECT_TRUE(SpreadsMatch(turned, document));
}

TEST_F(PageMatchTest, AnOffsetBeyondTheDocumentsPagesIsLoggedForSpreads) {
    const UIDRef document = NewDocument({1});
    EXPECT_TRUE(SpreadsMatch(MakePdf("one", {kA4}), document, 5));
    EXPECT_NE(CoreFixture::FailureLogText().find("NotesImportUtils.cpp("), std::string::npos);
    EXPECT_NE(CoreFixture::FailureLogText().find("): pageUID != kInvalidUID == false\r\n"),
              std::string::npos);
}
} // namespace
