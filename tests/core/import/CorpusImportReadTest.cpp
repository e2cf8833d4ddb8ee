// Every PDF of the shared corpus of real-world and deliberately broken files goes through the import
// utility (can it open, how many pages) and has every annotation read by the import's routines,
// in place. Nothing may crash, hang, leak a library reference or leave a frame open, and a file that
// opens must count its pages the same way both times.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "../fixtures/ImportStyleReader.h"
#include "INotesImportUtils.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
namespace fs = std::filesystem;

const fs::path kCorpus = "/work/shared/corpus/pdf";

TEST(CorpusImportReadTest, EveryCorpusFileIsReadWithoutHarm) {
    if (!fs::is_directory(kCorpus))
        GTEST_SKIP() << "no corpus at " << kCorpus;
    CoreFixture::RegisterPlugIns();
    Utils<INotesImportUtils> utils;
    int files = 0;
    int annotations = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(kCorpus)) {
        if (entry.path().extension() != ".pdf")
            continue;
        ++files;
        const PMString path(entry.path().string());
        const bool16 opens = utils->CanOpenPDF(path);
        const int32 pages = utils->GetPageCount(path);
        if (!opens) {
            EXPECT_EQ(pages, 0) << entry.path();
            continue;
        }
        PDDoc doc = nullptr;
        DURING
        doc = utils->OpenPDF(path);
        const ImportStyleReader::Counts counts = ImportStyleReader::ReadDocument(doc);
        EXPECT_EQ(counts.pages, pages) << entry.path();
        annotations += counts.annotations;
        HANDLER
        END_HANDLER
        PDDocClose(doc);
        EXPECT_EQ(ACExceptionFrameDepth(), 0) << entry.path();
        EXPECT_EQ(PDFLibraryRef::OutstandingReferences(), 0);
    }
    EXPECT_GT(files, 100);
    // The corpus is mostly annotated files; most of their annotations are of kinds the import knows.
    EXPECT_GT(annotations, 100);
}
} // namespace
