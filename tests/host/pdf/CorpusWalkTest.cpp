// Reads every annotation of every PDF in the shared corpus of real-world and
// deliberately broken files, in place: kinds, rectangles, dates, strings,
// numbers and appearance streams. Nothing may crash, hang or leave a frame
// open, and the kinds found must match the corpus manifest wherever it
// states plain counts.
#include "PdfTestDocument.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = TestSupport::CorpusDir();

using KindCounts = std::map<std::string, int>;

// Everything the import reads of one annotation, each key in its own frame
// so one bad value does not hide the others.
void readAnnotation(PDAnnot annot, KindCounts& kinds) {
    if (!PDAnnotIsValid(annot)) {
        return;
    }
    const char* subtype = ASAtomGetString(PDAnnotGetSubtype(annot));
    ++kinds[*subtype != 0 ? subtype : "(none)"];
    CosObj dict = PDAnnotGetCosObj(annot);
    ASFixedRect rect;
    ASTimeRec date;
    DURING
    PDAnnotGetRect(annot, &rect);
    HANDLER
    END_HANDLER
    DURING
    PDAnnotGetDate(annot, &date);
    for (const char* key : {"Contents", "T", "Subj", "OverlayText"}) {
        if (CosObjGetType(CosDictGetKeyString(dict, key)) == CosString) {
            PdfTestDocument::text(dict, key);
        }
    }
    HANDLER
    END_HANDLER
    for (const char* key : {"QuadPoints", "Vertices", "L", "CL", "RD", "C", "IC"}) {
        DURING
        PdfTestDocument::numbers(dict, key);
        HANDLER
        END_HANDLER
    }
    DURING
    CosObj border = CosDictGetKeyString(dict, "BS");
    if (CosObjGetType(border) == CosDict) {
        CosDictGetKeyString(border, "W");
        PdfTestDocument::numbers(border, "D");
    }
    CosObj ends = CosDictGetKeyString(dict, "LE");
    for (ASTArraySize i = 0; CosObjGetType(ends) == CosArray && i < CosArrayLength(ends); ++i) {
        CosNameValue(CosArrayGet(ends, i));
    }
    CosObjEqual(CosDictGetKeyString(dict, "Popup"), CosDictGetKeyString(dict, "Parent"));
    CosObj normal = CosDictGetKeyString(CosDictGetKeyString(dict, "AP"), "N");
    if (CosObjGetType(normal) == CosStream) {
        PdfTestDocument::streamBytes(normal, 2048, 2048);
    }
    HANDLER
    END_HANDLER
}

// Kinds found in a file; nullopt when it does not open.
std::optional<KindCounts> readFile(const fs::path& path) {
    PdfTestDocument pdf(path);
    if (pdf.openError() != genErrNoError) {
        return std::nullopt;
    }
    KindCounts kinds;
    DURING
    for (ASInt32 p = 0; p < PDDocGetNumPages(pdf.doc()); ++p) {
        PDPage page = PDDocAcquirePage(pdf.doc(), p);
        ASFixedRect box;
        PDPageGetMediaBox(page, &box);
        PDPageGetBox(page, ASAtomFromString("TrimBox"), &box);
        for (ASInt32 i = 0; i < PDPageGetNumAnnots(page); ++i) {
            readAnnotation(PDPageGetAnnot(page, i), kinds);
        }
    }
    HANDLER
    END_HANDLER
    return kinds;
}

// Manifest rows whose subtype column is plain "Kind:n;Kind:n".
std::map<std::string, KindCounts> manifestCounts() {
    std::map<std::string, KindCounts> counts;
    std::ifstream manifest(kCorpus / "MANIFEST.tsv");
    std::string line;
    const std::regex plain(R"(^(\w+:\d+)(;\w+:\d+)*$)");
    const std::regex entry(R"((\w+):(\d+))");
    while (std::getline(manifest, line)) {
        std::vector<std::string> columns;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) {
            columns.push_back(field);
        }
        if (columns.size() < 5 || !std::regex_match(columns[4], plain)) {
            continue;
        }
        KindCounts& kinds = counts[columns[0]];
        for (std::sregex_iterator it(columns[4].begin(), columns[4].end(), entry), end; it != end; ++it) {
            kinds[(*it)[1]] = std::stoi((*it)[2]);
        }
    }
    return counts;
}

TEST(PdfCorpusWalkTest, EveryAnnotationOfEveryFileReadsWithoutCrashing) {
    if (!fs::is_directory(kCorpus)) {
        GTEST_SKIP() << "no corpus at " << kCorpus;
    }
    const auto expected = manifestCounts();
    int files = 0;
    int opened = 0;
    int annotations = 0;
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(kCorpus)) {
        if (entry.path().extension() != ".pdf") {
            continue;
        }
        ++files;
        const auto kinds = readFile(entry.path());
        EXPECT_EQ(ACExceptionFrameDepth(), 0) << entry.path();
        if (!kinds) {
            continue;
        }
        ++opened;
        for (const auto& [kind, count] : *kinds) {
            annotations += count;
        }
        if (auto stated = expected.find(entry.path().filename().string()); stated != expected.end()) {
            EXPECT_EQ(*kinds, stated->second) << entry.path().filename();
            ++compared;
        }
    }
    EXPECT_GT(files, 100);
    // Broken files may fail to open, but only a few of them.
    EXPECT_GE(opened, files - 5);
    EXPECT_GT(annotations, 500);
    EXPECT_GT(compared, 100);
    RecordProperty("files", files);
    RecordProperty("opened", opened);
    RecordProperty("annotations", annotations);
}

} // namespace
