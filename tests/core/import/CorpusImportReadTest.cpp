// Every PDF of the shared corpus of real-world and deliberately broken files goes through the import's
// one reader and its pre-flight, in place. Nothing may crash, hang, leak a library reference or leave
// a frame open; the kinds read must match the corpus manifest wherever it states plain counts; every
// refused file gets one sentence; the colours read find swatches in a document; and every file with
// drawn markups imports into a document of its page size, its counts written to the test's log.
#include <gtest/gtest.h>

#include "TestSupport.h"

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "../colors/ColorTestDocument.h"
#include "../fixtures/AnnotationWalk.h"
#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "INotesImportPlanData.h"
#include "INotesImportSettings.h"
#include "INotesImportUtils.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/ObjectModel.h"
#include "import/NotesPDFAnnotationReader.h"
#include "import/NotesPageFit.h"

namespace {
namespace fs = std::filesystem;

const fs::path kCorpus = TestSupport::CorpusDir();

using KindCounts = std::map<std::string, int>;

// Manifest rows whose subtype column is plain "Kind:n;Kind:n".
std::map<std::string, KindCounts> ManifestCounts() {
    std::map<std::string, KindCounts> counts;
    std::ifstream manifest(kCorpus / "MANIFEST.tsv");
    std::string line;
    const std::regex plain(R"(^(\w+:\d+)(;\w+:\d+)*$)");
    const std::regex entry(R"((\w+):(\d+))");
    while (std::getline(manifest, line)) {
        std::vector<std::string> columns;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');)
            columns.push_back(field);
        if (columns.size() < 5 || !std::regex_match(columns[4], plain))
            continue;
        KindCounts& kinds = counts[columns[0]];
        for (std::sregex_iterator it(columns[4].begin(), columns[4].end(), entry), end; it != end; ++it)
            kinds[(*it)[1]] = std::stoi((*it)[2]);
    }
    return counts;
}

std::vector<fs::path> CorpusFiles() {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(kCorpus))
        if (entry.path().extension() == ".pdf")
            files.push_back(entry.path());
    return files;
}

// Asks the document's colour manager for the swatch of every annotation's colours as read, as the
// creator does; answers how many swatches it got.
int LookUpColors(PDDoc doc, ColorTestDocument& document) {
    int found = 0;
    for (ASInt32 p = 0; p < PDDocGetNumPages(doc); ++p) {
        const PDPage page = PDDocAcquirePage(doc, p);
        for (ASInt32 i = 0; i < PDPageGetNumAnnots(page); ++i) {
            const NotesPDFAnnotationRead read = NotesPDFAnnotationReader::Read(PDPageGetAnnot(page, i));
            for (const std::vector<PMReal>* components : {&read.values.color, &read.values.interiorColor})
                if (read.IsRead() && !components->empty())
                    found += document.Manager()->GetColor(*components, read.values.type) != kInvalidUID;
        }
    }
    return found;
}

TEST(CorpusImportReadTest, EveryAnnotationOfEveryFileGoesThroughTheImportsReader) {
    if (!fs::is_directory(kCorpus))
        GTEST_SKIP() << "no corpus at " << kCorpus;
    CoreFixture::RegisterPlugIns();
    Utils<INotesImportUtils> utils;
    const auto expected = ManifestCounts();
    int files = 0, opened = 0, annotations = 0, compared = 0;
    for (const fs::path& path : CorpusFiles()) {
        ++files;
        PDDoc doc = nullptr;
        std::optional<AnnotationWalk::Counts> counts;
        DURING
        doc = utils->OpenPDF(PMString(path.string()));
        counts = AnnotationWalk::ReadDocument(doc);
        HANDLER
        END_HANDLER
        PDDocClose(doc);
        EXPECT_EQ(ACExceptionFrameDepth(), 0) << path;
        EXPECT_EQ(PDFLibraryRef::OutstandingReferences(), 0);
        if (doc == nullptr)
            continue;
        ++opened;
        if (!counts)
            continue;
        annotations += counts->annotations;
        if (const auto stated = expected.find(path.filename().string()); stated != expected.end()) {
            EXPECT_EQ(counts->kinds, stated->second) << path.filename();
            ++compared;
        }
    }
    EXPECT_GT(files, 100);
    // Broken files may fail to open, but only a few of them.
    EXPECT_GE(opened, files - 5);
    EXPECT_GT(annotations, 500);
    EXPECT_GT(compared, 100);
}

// What a corpus file holds for the import of its drawn markups: its page count, the size of its first
// page and how many drawn markups it has.
struct DrawnFile {
    int pages = 0;
    PMRect firstBox;
    int drawn = 0;
};

std::optional<DrawnFile> ReadDrawnFile(const fs::path& path) {
    static const std::set<std::string> kDrawnKinds = {"Line", "PolyLine", "Polygon", "Circle", "Square"};
    Utils<INotesImportUtils> utils;
    std::optional<DrawnFile> file;
    PDDoc doc = nullptr;
    DURING
    doc = utils->OpenPDF(PMString(path.string()));
    const AnnotationWalk::Counts counts = AnnotationWalk::ReadDocument(doc);
    DrawnFile read{counts.pages, NotesPageFit::PDFPageBox(PDDocAcquirePage(doc, 0)), 0};
    for (const auto& [kind, count] : counts.kinds)
        read.drawn += kDrawnKinds.count(kind) ? count : 0;
    file = read;
    HANDLER
    END_HANDLER
    PDDocClose(doc);
    return file;
}

// Imports a PDF into the document with every kind admitted; answers (imported, failed), or (-1, -1)
// when the import did not run to its end.
std::pair<int32, int32> ImportAll(IDocument* document, const fs::path& pdf) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesImportCmdBoss));
    InterfacePtr<INotesImportSettings> settings(cmd, IID_INOTESIMPORTSETTINGS);
    settings->Set(PMString(pdf.string()), 0, kTrue, kTrue, kTrue, kTrue);
    cmd->SetItemList(UIDList(CoreFixture::DocumentRef(document)));
    if (CmdUtils::ProcessCommand(cmd) != kSuccess)
        return {-1, -1};
    InterfacePtr<IIntData> errorCodeData(cmd, IID_IINTDATA);
    InterfacePtr<INotesImportPlanData> planData(cmd, IID_INOTESIMPORTPLANDATA);
    return {planData->GetAnnotationsImported(), errorCodeData->GetInt()};
}

int CountDrawnItems(IDataBase* db) {
    int count = 0;
    for (UID uid : db->GetAllUIDs())
        count +=
            db->GetClass(uid) == kNotesLineAnnotationBoss || db->GetClass(uid) == kNotesPolygonAnnotationBoss;
    return count;
}

TEST(CorpusImportReadTest, EveryFileWithDrawnMarkupsImportsIntoADocumentOfItsPageSize) {
    if (!fs::is_directory(kCorpus))
        GTEST_SKIP() << "no corpus at " << kCorpus;
    CoreFixture::RegisterPlugIns();
    constexpr int kLargestPageCount = 200; // the corpus's drawn markups lie on its files' first pages
    int files = 0, imported = 0, drawnItems = 0;
    for (const fs::path& path : CorpusFiles()) {
        const std::optional<DrawnFile> file = ReadDrawnFile(path);
        if (!file || file->drawn == 0 || file->firstBox.Width() <= 0 || file->firstBox.Height() <= 0)
            continue;
        std::string spreads;
        for (int i = 0; i < std::min(file->pages, kLargestPageCount); ++i)
            spreads += std::string(i ? "," : "") + R"({"pages": [{}]})";
        IDocument* document = CoreFixture::BuildDocument(
            R"({"pageSize": {"width": )" + std::to_string(file->firstBox.Width()) + R"(, "height": )" +
            std::to_string(file->firstBox.Height()) + R"(}, "spreads": [)" + spreads + "]}");
        ASSERT_NE(document, nullptr) << path;
        IDataBase* db = document->GetDocumentDataBase();
        const auto [count, failed] = ImportAll(document, path);
        const int drawn = CountDrawnItems(db);
        std::printf("corpus import %s: %d drawn markups in the file, %d annotations imported, %d failed, "
                    "%d drawn items made\n",
                    path.filename().c_str(), file->drawn, count, failed, drawn);
        EXPECT_GE(count, 0) << path.filename() << " imports to its end";
        EXPECT_LE(drawn, file->drawn) << path.filename();
        EXPECT_EQ(db->GetUndoHistory().Undo(), kSuccess) << path.filename();
        EXPECT_EQ(CountDrawnItems(db), 0) << path.filename() << ": undo takes the drawings away";
        EXPECT_EQ(ACExceptionFrameDepth(), 0) << path;
        EXPECT_EQ(PDFLibraryRef::OutstandingReferences(), 0);
        CoreFixture::Close(document);
        ++files;
        imported += count;
        drawnItems += drawn;
    }
    std::printf("corpus import: %d files with drawn markups, %d annotations imported, %d drawn items\n",
                files, imported, drawnItems);
    EXPECT_GT(files, 10);
    EXPECT_GT(drawnItems, 10);
}

TEST(CorpusImportReadTest, EveryFileGetsAPlanOrOneSentenceAndItsColoursFindSwatches) {
    if (!fs::is_directory(kCorpus))
        GTEST_SKIP() << "no corpus at " << kCorpus;
    ColorTestDocument document;
    Utils<INotesImportUtils> utils;
    int planned = 0, swatches = 0;
    for (const fs::path& path : CorpusFiles()) {
        for (int32 offset : {0, -1, 1}) {
            const NotesImportPlan plan = utils->PlanImport(PMString(path.string()), document.Root(), offset);
            if (plan.IsImportable()) {
                ++planned;
                EXPECT_GT(plan.pairCount, 0) << path;
                continue;
            }
            const std::string sentence = plan.message.GetUTF8String();
            EXPECT_EQ(plan.pdf, nullptr) << path;
            ASSERT_FALSE(sentence.empty()) << path;
            EXPECT_EQ(sentence.back(), '.') << path;
            EXPECT_EQ(sentence.find('^'), std::string::npos) << sentence;
        }
        PDDoc doc = nullptr;
        DURING
        doc = utils->OpenPDF(PMString(path.string()));
        swatches += LookUpColors(doc, document);
        HANDLER
        END_HANDLER
        PDDocClose(doc);
        EXPECT_EQ(ACExceptionFrameDepth(), 0) << path;
        EXPECT_EQ(PDFLibraryRef::OutstandingReferences(), 0);
    }
    // The corpus holds pages of many sizes; some fit the test document's US Letter pages.
    EXPECT_GT(planned, 0);
    // Annotated files nearly all carry colours, and every colour the host can make gets a swatch.
    EXPECT_GT(swatches, 100);
    EXPECT_GT(document.List()->GetColorCount(), 0);
}
} // namespace
