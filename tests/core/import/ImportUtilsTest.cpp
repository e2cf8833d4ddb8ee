// The PDF side of the import utility: opening by a path in any script, and that every file that does
// not open (missing, broken, not a PDF, a folder or password-protected) raises its code through the
// caller's frame with the library reference and exception frames released.
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

// The error OpenPDF raises for the file; genErrNoError when it opens (and is closed again).
ASErrorCode OpenError(INotesImportUtils* utils, const std::filesystem::path& path) {
    ASErrorCode raised = genErrNoError;
    DURING
    PDDocClose(utils->OpenPDF(PMString(path.string())));
    HANDLER
    raised = ERRORCODE;
    END_HANDLER
    return raised;
}

TEST_F(ImportUtilsTest, OpensAPathWithNonLatinCharacters) {
    const std::filesystem::path copy = PdfFixtureFiles::tempDir() / "Korrektur Ελληνικά 校对.pdf";
    std::filesystem::copy_file(PdfFixtureFiles::samplePdf(), copy,
                               std::filesystem::copy_options::overwrite_existing);
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

TEST_F(ImportUtilsTest, FilesThatDoNotOpenRaiseTheirCodeThroughTheCallersFrame) {
    EXPECT_EQ(OpenError(utils.get(), PdfFixtureFiles::samplePdf()), genErrNoError);
    EXPECT_EQ(OpenError(utils.get(), PdfFixtureFiles::tempDir() / "no-such.pdf"), fileErrFNF);
    EXPECT_EQ(OpenError(utils.get(), PdfFixtureFiles::writeFile("junk.pdf", "%PDF-1.7\nthis is not a PDF")),
              pdErrBadFile);
    EXPECT_EQ(OpenError(utils.get(), PdfFixtureFiles::writeFile("empty.pdf", "")), pdErrNotPDF);
    EXPECT_EQ(OpenError(utils.get(), PdfFixtureFiles::tempDir()), fileErrIO);
}

TEST_F(ImportUtilsTest, APasswordProtectedFileCannotBeOpened) {
    const std::filesystem::path locked = PdfFixtureFiles::tempDir() / "locked.pdf";
    PdfFixtureFiles::run("qpdf --encrypt secret secret 256 -- " +
                         PdfFixtureFiles::quoted(PdfFixtureFiles::samplePdf()) + " " +
                         PdfFixtureFiles::quoted(locked));
    EXPECT_EQ(OpenError(utils.get(), locked), pdErrNeedPassword);
}
} // namespace
