// Every PDF of the shared corpus of real-world and deliberately broken files goes through the import
// utility (can it open, how many pages) and has every annotation read by the import's routines,
// in place. Nothing may crash, hang, leak a library reference or leave a frame open, and a file that
// opens must count its pages the same way both times. Every file also goes through the page and spread
// fit and through the colour look-up of every annotation into a document.
#include <gtest/gtest.h>

#include "TestSupport.h"

#include "../colors/ColorTestDocument.h"
#include "../fixtures/CoreFixture.h"
#include "../fixtures/ImportStyleReader.h"
#include "INotesImportUtils.h"
#include "host/objectmodel/ObjectModel.h"
#include "import/NotesPDFAnnotationReader.h"

namespace {
namespace fs = std::filesystem;

const fs::path kCorpus = TestSupport::CorpusDir();

// Asks the document's colour manager for the swatch of every annotation's main and interior colour,
// each annotation inside its own frame as the import reads it; answers how many swatches it got.
int LookUpColors(PDDoc doc, IDataBase* db) {
    int found = 0;
    for (ASInt32 p = 0; p < PDDocGetNumPages(doc); ++p) {
        const PDPage page = PDDocAcquirePage(doc, p);
        for (ASInt32 i = 0; i < PDPageGetNumAnnots(page); ++i) {
            DURING
            const PDAnnot annot = PDPageGetAnnot(page, i);
            if (PDAnnotIsValid(annot)) {
                const CosObj dict = PDAnnotGetCosObj(annot);
                const int32 type = NotesPDFAnnotationReader::TypeOfSubtype(PDAnnotGetSubtype(annot));
                for (const char* key : {"C", "IC"})
                    found += NotesPDFAnnotationReader::GetColor(dict, key, db, type) != kInvalidUID;
            }
            HANDLER
            END_HANDLER
        }
    }
    return found;
}

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
TEST(CorpusImportReadTest, EveryCorpusFileGoesThroughThePageFitAndTheColourLookUp) {
    if (!fs::is_directory(kCorpus))
        GTEST_SKIP() << "no corpus at " << kCorpus;
    ColorTestDocument document;
    Utils<INotesImportUtils> utils;
    int swatches = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(kCorpus)) {
        if (entry.path().extension() != ".pdf")
            continue;
        const PMString path(entry.path().string());
        for (int32 offset : {0, -1, 1}) {
            utils->DoPagesMatch(path, document.Root(), offset);
            utils->DoSpreadsMatch(path, document.Root(), offset);
        }
        if (!utils->CanOpenPDF(path))
            continue;
        PDDoc doc = nullptr;
        DURING
        doc = utils->OpenPDF(path);
        swatches += LookUpColors(doc, document.DB());
        HANDLER
        END_HANDLER
        PDDocClose(doc);
        EXPECT_EQ(ACExceptionFrameDepth(), 0) << entry.path();
        EXPECT_EQ(PDFLibraryRef::OutstandingReferences(), 0);
    }
    // Annotated files nearly all carry colours, and every colour the host can make gets a swatch.
    EXPECT_GT(swatches, 100);
    EXPECT_GT(document.List()->GetColorCount(), 0);
}
} // namespace
