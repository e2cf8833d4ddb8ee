// pagehost import and notes: a document built from a layout, a reviewed PDF of its pages with sticky
// notes made by PyMuPDF, imported through the command line; the notes are listed on their pages
// and their icons are drawn where the PDF put them.
#include <gtest/gtest.h>

#include <fstream>

#include "PagehostRun.h"
#include "PdfFixtureFiles.h"
#include "TestSupport.h"
#include "host/database/DocumentFile.h"
#include "host/graphics/PngImage.h"

namespace {
class ImportVerbTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = TestSupport::MakeTempDir("import");
        std::ofstream(dir / "layout.json") << R"({
          "pageSize": {"width": 612, "height": 792},
          "spreads": [{"pages": [{}]}, {"pages": [{}, {}]}]
        })";
        ASSERT_EQ(RunPagehost({"new", (dir / "layout.json").string(), Doc()}).status, 0);
        std::ofstream(dir / "pages.json")
            << R"([{"size": [612, 792], "lines": ["One"]}, {"size": [612, 792], "lines": ["Two"]},
                   {"size": [612, 792], "lines": ["Three"]}])";
        Python("make_sample_pdf.py", {dir / "proof.pdf", dir / "pages.json"});
    }
    std::string Doc() const { return (dir / "doc.phd").string(); }
    void Python(const char* tool, const std::vector<std::filesystem::path>& args) {
        std::string command =
            "/usr/bin/python3 " + PdfFixtureFiles::quoted(TestSupport::SourceDir() / "tools" / tool);
        for (const auto& arg : args)
            command += " " + PdfFixtureFiles::quoted(arg);
        PdfFixtureFiles::run(command);
    }
    std::string Reviewed(const std::string& comments) {
        std::ofstream(dir / "comments.json") << comments;
        Python("annotate_pdf.py", {dir / "proof.pdf", dir / "comments.json", dir / "reviewed.pdf"});
        return (dir / "reviewed.pdf").string();
    }
    std::filesystem::path dir;
};

TEST_F(ImportVerbTest, NotesAreListedOnTheirPagesAndDrawnWhereThePdfPutThem) {
    const std::string reviewed = Reviewed(R"([
      {"page": 0, "kind": "Text", "point": [100, 150], "contents": "Check this heading", "author": "Rita",
       "date": "D:20240510091500Z"},
      {"page": 2, "kind": "Text", "point": [400, 600], "contents": "Third page note", "author": "Sam"},
      {"page": 1, "kind": "Text", "point": [300, 300], "contents": "hidden", "flags": 2}
    ])");
    const PagehostRun imported = RunPagehost({"import", Doc(), reviewed});
    ASSERT_EQ(imported.status, 0) << imported.err;

    const PagehostRun notes = RunPagehost({"notes", Doc()});
    ASSERT_EQ(notes.status, 0) << notes.err;
    EXPECT_EQ(notes.out, "Page 1\n"
                         "  sticky note by Rita, 2024-05-10 09:15:00\n"
                         "    Check this heading\n"
                         "Page 3\n"
                         "  sticky note by Sam, " +
                             notes.out.substr(notes.out.find("Sam, ") + 5, 19) +
                             "\n"
                             "    Third page note\n");

    ASSERT_EQ(
        RunPagehost({"render", Doc(), "--page", "1", "--scale", "2", "--out", (dir / "p1.png").string()})
            .status,
        0);
    const PngImage png = PngImage::Load((dir / "p1.png").string());
    ASSERT_FALSE(png.IsEmpty());
    // 36 points of pasteboard margin, 2 pixels per point; the 20 by 20 note's centre is 10 points
    // right of and below the point the PDF gives, and its icon is 10 points wide.
    const auto pixel = [&](double x, double y) {
        return png.PixelAt(static_cast<int>((36 + x) * 2), static_cast<int>((36 + y) * 2));
    };
    EXPECT_EQ(pixel(110 + 4, 160), 0xFFFF00u) << "the icon's yellow body";
    EXPECT_EQ(pixel(110 + 9, 160), 0xFFFFFFu) << "beside the icon";
    EXPECT_EQ(pixel(300, 300), 0xFFFFFFu);
}

TEST_F(ImportVerbTest, ABrokenPdfIsRefusedInOneSentenceAndTheDocumentIsUnchanged) {
    std::ofstream(dir / "broken.pdf") << "%PDF-1.7\nnot really";
    const std::string before = TestSupport::ReadFile(Doc());
    const PagehostRun run = RunPagehost({"import", Doc(), (dir / "broken.pdf").string()});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("cannot be opened"), std::string::npos) << run.err;
    EXPECT_EQ(TestSupport::ReadFile(Doc()), before);
}

TEST_F(ImportVerbTest, MismatchedPagesAndExistingNotesAreWarnedAbout) {
    const std::string reviewed = Reviewed(R"([{"page": 0, "kind": "Text", "point": [100, 100]}])");
    ASSERT_EQ(RunPagehost({"import", Doc(), reviewed}).status, 0);
    const PagehostRun again = RunPagehost({"import", Doc(), reviewed});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.err.find("already holds annotations"), std::string::npos) << again.err;
    EXPECT_NE(again.err.find("could not be imported"), std::string::npos) << "its popup: " << again.err;

    std::ofstream(dir / "a4.json") << R"([{"size": [595, 842], "lines": ["A4"]}])";
    Python("make_sample_pdf.py", {dir / "a4.pdf", dir / "a4.json"});
    const PagehostRun a4 = RunPagehost({"import", Doc(), (dir / "a4.pdf").string()});
    EXPECT_NE(a4.status, 0);
    EXPECT_NE(a4.err.find("do not match"), std::string::npos) << a4.err;
}

// The check before the import fills the page lists' caches; the save that follows must still see the
// imported annotations and keep the document's dependency on the Annotations plug-in.
TEST_F(ImportVerbTest, ADocumentSavedAfterAnImportKeepsItsDependencyOnAnnotations) {
    const std::filesystem::path doc = dir / "sample.phd";
    ASSERT_EQ(
        RunPagehost({"new", (TestSupport::SourceDir() / "examples" / "sample.json").string(), doc.string()})
            .status,
        0);
    const PagehostRun imported = RunPagehost(
        {"import", doc.string(), (TestSupport::SourceDir() / "examples" / "reviewed.pdf").string()});
    ASSERT_EQ(imported.status, 0) << imported.err;
    DocumentFileContents contents;
    ASSERT_EQ(DocumentFile::Read(doc.string(), &contents).status, DocumentFile::kOk);
    bool dependsOnAnnotations = false;
    for (const PlugInDependency& dependency : contents.plugIns)
        dependsOnAnnotations = dependsOnAnnotations || dependency.name == "Annotations";
    EXPECT_TRUE(dependsOnAnnotations);
}

TEST_F(ImportVerbTest, AWriteProtectedDocumentIsRefusedAndKeepsItsBytesAndMode) {
    const std::string reviewed = Reviewed(R"([{"page": 0, "kind": "Text", "point": [100, 100]}])");
    std::filesystem::permissions(Doc(), std::filesystem::perms::owner_read |
                                            std::filesystem::perms::group_read |
                                            std::filesystem::perms::others_read);
    const std::string before = TestSupport::ReadFile(Doc());
    const PagehostRun run = RunPagehost({"import", Doc(), reviewed});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("write-protected"), std::string::npos) << run.err;
    EXPECT_EQ(TestSupport::ReadFile(Doc()), before);
    EXPECT_EQ(std::filesystem::status(Doc()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                  std::filesystem::perms::others_read);
}

// A document whose next-UID counter stands at its limit has no UID left for the notes: the import
// says so and the document stays as it was, still opening.
TEST_F(ImportVerbTest, ADocumentWithoutUIDsLeftRefusesTheImportAndStillOpens) {
    DocumentFileContents contents;
    ASSERT_EQ(DocumentFile::Read(Doc(), &contents).status, DocumentFile::kOk);
    contents.nextUID = 0xFFFFFFFFu;
    ASSERT_EQ(DocumentFile::Write(Doc(), contents).status, DocumentFile::kOk);
    const std::string before = TestSupport::ReadFile(Doc());
    const std::string reviewed = Reviewed(R"([{"page": 0, "kind": "Text", "point": [100, 100]}])");
    const PagehostRun run = RunPagehost({"import", Doc(), reviewed});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("no room for new objects"), std::string::npos) << run.err;
    EXPECT_EQ(TestSupport::ReadFile(Doc()), before);
    EXPECT_EQ(RunPagehost({"info", Doc()}).status, 0);
}
} // namespace
