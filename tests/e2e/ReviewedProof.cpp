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
} // namespace ReviewedProof
