// The PDF side of the import utility: page counts, whether a file opens, opening by a path in any
// script, and that every failure (missing, broken or password-protected files) gives the standing
// answer with the library reference and exception frames released.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "INotesImportUtils.h"
#include "PdfFixtureFiles.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/pdf/PdfLibrary.h"

namespace {
// The utility object gets the plug-in's interfaces only when the plug-in is registered before its
// first use, as the host does at start-up.
Utils<INotesImportUtils> ImportUtils() {
    CoreFixture::RegisterPlugIns();
    return Utils<INotesImportUtils>();
}

class ImportUtilsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(utils); }
    void TearDown() override {
        EXPECT_EQ(PDFLibraryRef::OutstandingReferences(), 0);
        EXPECT_EQ(ACExceptionFrameDepth(), 0);
    }
    static PMString Path(const std::filesystem::path& path) { return PMString(path.string()); }

    Utils<INotesImportUtils> utils = ImportUtils();
};

TEST_F(ImportUtilsTest, IsOnTheUtilityObject) {
    InterfacePtr<INotesImportUtils> direct(GetUtilsObject(), IID_INOTESIMPORTUTILS);
    EXPECT_EQ(direct.get(), utils.get());
}

TEST_F(ImportUtilsTest, CountsPagesAndOpensAReadablePdf) {
    const PMString sample = Path(PdfFixtureFiles::samplePdf());
    EXPECT_EQ(utils->GetPageCount(sample), 2);
    EXPECT_TRUE(utils->CanOpenPDF(sample));
}

TEST_F(ImportUtilsTest, OpensAPathWithNonLatinCharacters) {
    const std::filesystem::path copy = PdfFixtureFiles::tempDir() / "Korrektur Ελληνικά 校对.pdf";
    std::filesystem::copy_file(PdfFixtureFiles::samplePdf(), copy,
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(utils->GetPageCount(Path(copy)), 2);
    PDDoc doc = nullptr;
    DURING
    doc = utils->OpenPDF(Path(copy));
    HANDLER
    ADD_FAILURE() << ASGetErrorString(ERRORCODE);
    END_HANDLER
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(PDDocGetNumPages(doc), 2);
    PDDocClose(doc);
}

TEST_F(ImportUtilsTest, FilesThatDoNotOpenAnswerNoPagesAndCannotOpen) {
    const std::filesystem::path missing = PdfFixtureFiles::tempDir() / "no-such.pdf";
    const std::filesystem::path junk = PdfFixtureFiles::writeFile("junk.pdf", "%PDF-1.7\nthis is not a PDF");
    const std::filesystem::path empty = PdfFixtureFiles::writeFile("empty.pdf", "");
    for (const auto& path : {missing, junk, empty, PdfFixtureFiles::tempDir()}) {
        EXPECT_EQ(utils->GetPageCount(Path(path)), 0) << path;
        EXPECT_FALSE(utils->CanOpenPDF(Path(path))) << path;
    }
}

TEST_F(ImportUtilsTest, OpenPDFRaisesThroughTheCallersFrame) {
    ASErrorCode raised = genErrNoError;
    DURING
    utils->OpenPDF(Path(PdfFixtureFiles::tempDir() / "no-such.pdf"));
    HANDLER
    raised = ERRORCODE;
    END_HANDLER
    EXPECT_EQ(raised, fileErrFNF);
}

TEST_F(ImportUtilsTest, APasswordProtectedFileCannotBeOpened) {
    const std::filesystem::path locked = PdfFixtureFiles::tempDir() / "locked.pdf";
    PdfFixtureFiles::run("qpdf --encrypt secret secret 256 -- " +
                         PdfFixtureFiles::quoted(PdfFixtureFiles::samplePdf()) + " " +
                         PdfFixtureFiles::quoted(locked));
    EXPECT_FALSE(utils->CanOpenPDF(Path(locked)));
    EXPECT_EQ(utils->GetPageCount(Path(locked)), 0);
}
} // namespace
