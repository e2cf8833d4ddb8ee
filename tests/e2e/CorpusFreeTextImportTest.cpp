// Every file of the shared corpus whose manifest lists free text is imported through pagehost into a
// document of its own page size and count: the import ends or refuses in one sentence, never by a
// signal or a sanitizer report. The free texts each file brings in are written to the test's log.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "PagehostRun.h"
#include "TestSupport.h"

namespace {
namespace fs = std::filesystem;

std::vector<std::string> FilesWithFreeText() {
    std::vector<std::string> files;
    std::ifstream manifest(TestSupport::CorpusDir() / "MANIFEST.tsv");
    for (std::string line; std::getline(manifest, line);) {
        std::istringstream fields(line);
        std::string name, repo, path, licence, kinds;
        if (std::getline(fields, name, '\t') && std::getline(fields, repo, '\t') &&
            std::getline(fields, path, '\t') && std::getline(fields, licence, '\t') &&
            std::getline(fields, kinds, '\t') && kinds.find("FreeText") != std::string::npos)
            files.push_back(name);
    }
    return files;
}

// A document of as many one-page spreads as the PDF has pages, of the first page's size.
bool MakeDocumentFor(const nlohmann::json& pdfInfo, const fs::path& dir) {
    const nlohmann::json& pages = pdfInfo["pages"];
    if (pages.empty())
        return false;
    const nlohmann::json& first = pages[0];
    const nlohmann::json& box = first["trimBox"].is_array() ? first["trimBox"] : first["mediaBox"];
    nlohmann::json layout = {{"pageSize",
                              {{"width", box[2].get<double>() - box[0].get<double>()},
                               {"height", box[3].get<double>() - box[1].get<double>()}}},
                             {"spreads", nlohmann::json::array()}};
    for (size_t i = 0; i < pages.size(); ++i)
        layout["spreads"].push_back({{"pages", {nlohmann::json::object()}}});
    std::ofstream(dir / "layout.json") << layout.dump();
    return RunPagehost({"new", (dir / "layout.json").string(), (dir / "doc.phd").string()}).status == 0;
}

bool NoSanitizerReport(const std::string& err) {
    return err.find("AddressSanitizer") == std::string::npos &&
           err.find("runtime error") == std::string::npos && err.find("LeakSanitizer") == std::string::npos;
}

TEST(CorpusFreeTextImportTest, EveryFileWithFreeTextImportsOrRefusesWithoutACrash) {
    const std::vector<std::string> files = FilesWithFreeText();
    if (files.empty())
        GTEST_SKIP() << "no corpus manifest at " << TestSupport::CorpusDir();
    int importedFiles = 0, freeTexts = 0;
    for (const std::string& name : files) {
        const fs::path pdf = TestSupport::CorpusDir() / name;
        const fs::path dir = TestSupport::MakeTempDir("corpus-free-text");
        const PagehostRun info = RunPagehost({"pdfinfo", "--json", pdf.string()});
        EXPECT_TRUE(NoSanitizerReport(info.err)) << name << ": " << info.err;
        if (info.status != 0 || !MakeDocumentFor(nlohmann::json::parse(info.out, nullptr, false), dir))
            continue; // a PDF the reader refuses (encrypted, broken) is the reader tests' matter
        const std::string doc = (dir / "doc.phd").string();
        const PagehostRun imported = RunPagehost({"import", doc, pdf.string()});
        ASSERT_GE(imported.status, 0) << name << " ended by a signal: " << imported.err;
        EXPECT_LT(imported.status, 2) << name << ": " << imported.err;
        EXPECT_TRUE(NoSanitizerReport(imported.err)) << name << ": " << imported.err;
        if (imported.status != 0) {
            EXPECT_NE(imported.err.rfind("pagehost: "), std::string::npos) << name << ": " << imported.err;
            continue;
        }
        ++importedFiles;
        const PagehostRun notes = RunPagehost({"notes", doc, "--json"});
        ASSERT_EQ(notes.status, 0) << name << ": " << notes.err;
        int here = 0;
        for (const auto& page : nlohmann::json::parse(notes.out))
            for (const auto& note : page["notes"])
                here += note["kind"] == "free text";
        freeTexts += here;
        std::printf("%s: %d free text(s) imported\n", name.c_str(), here);
        const PagehostRun render =
            RunPagehost({"render", doc, "--page", "1", "--out", (dir / "p.png").string()});
        EXPECT_EQ(render.status, 0) << name << ": " << render.err;
        EXPECT_TRUE(NoSanitizerReport(render.err)) << name << ": " << render.err;
    }
    std::printf("%zu files with free text, %d imported, %d free texts in all\n", files.size(), importedFiles,
                freeTexts);
    EXPECT_GT(freeTexts, 0) << "the corpus's free texts land somewhere";
}
} // namespace
