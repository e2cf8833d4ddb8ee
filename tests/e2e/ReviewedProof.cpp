#include "ReviewedProof.h"

#include <gtest/gtest.h>

#include <fstream>

#include "PagehostRun.h"
#include "PdfFixtureFiles.h"
#include "TestSupport.h"

namespace ReviewedProof {
std::string Make(const std::filesystem::path& dir, const std::string& layout, const std::string& comments) {
    std::ofstream(dir / "layout.json") << layout;
    std::ofstream(dir / "comments.json") << comments;
    const std::string doc = (dir / "doc.phd").string();
    EXPECT_EQ(RunPagehost({"new", (dir / "layout.json").string(), doc}).status, 0);
    EXPECT_EQ(RunPagehost({"export-pdf", doc, (dir / "proof.pdf").string()}).status, 0);
    PdfFixtureFiles::run(
        "/usr/bin/python3 " + PdfFixtureFiles::quoted(TestSupport::SourceDir() / "tools/annotate_pdf.py") +
        " " + PdfFixtureFiles::quoted(dir / "proof.pdf") + " " +
        PdfFixtureFiles::quoted(dir / "comments.json") + " " + PdfFixtureFiles::quoted(dir / "reviewed.pdf"));
    return doc;
}

nlohmann::json AllNotes(const std::string& doc) {
    const PagehostRun listed = RunPagehost({"notes", doc, "--json"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    nlohmann::json notes = nlohmann::json::array();
    if (listed.status != 0)
        return notes;
    for (const auto& page : nlohmann::json::parse(listed.out))
        for (const auto& note : page["notes"])
            notes.push_back(note);
    return notes;
}

std::string ProofText(const std::string& doc, const std::filesystem::path& pdf) {
    EXPECT_EQ(RunPagehost({"export-pdf", doc, pdf.string()}).status, 0);
    int status = 0;
    const std::string out = TestSupport::RunPythonScript(TestSupport::SourceDir() / "tests/e2e/pdf_text.py",
                                                         {pdf.string()}, &status);
    EXPECT_EQ(status, 0) << out;
    return status == 0 ? nlohmann::json::parse(out).at(0).get<std::string>() : std::string();
}
} // namespace ReviewedProof
