// pagehost import and notes: a document built from a layout, a reviewed PDF of its pages with sticky
// notes made by PyMuPDF, imported through the command line; the notes are listed on their pages
// and their icons are drawn where the PDF put them. Every PDF the import refuses (not a PDF, damaged,
// encrypted, without pages, with a looping page tree, an offset pairing no page, nothing to import)
// gives one sentence and a failing status and leaves the document byte for byte as it was; each
// import opens the PDF once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include <nlohmann/json.hpp>

#include "PagehostRun.h"
#include "PdfFixtureFiles.h"
#include "RawPdfBuilder.h"
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
    // Runs the import and checks that it is refused: a failing status, one sentence on standard error
    // holding the expected words, and the document file identical (cmp) to a copy taken before.
    void ExpectRefused(const std::vector<std::string>& arguments, const std::string& words) {
        const std::filesystem::path copy = dir / "before.phd";
        std::filesystem::copy_file(Doc(), copy, std::filesystem::copy_options::overwrite_existing);
        std::vector<std::string> command = {"import", Doc()};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const PagehostRun run = RunPagehost(command);
        EXPECT_NE(run.status, 0) << arguments[0];
        // The import's progress line may come first; the refusal is the last line, one sentence.
        ASSERT_GE(run.err.size(), 2u);
        const size_t start = run.err.rfind('\n', run.err.size() - 2);
        const std::string sentence = run.err.substr(start == std::string::npos ? 0 : start + 1);
        if (start != std::string::npos) {
            EXPECT_EQ(run.err.find("\rImporting Annotations"), 0u) << run.err;
        }
        EXPECT_EQ(sentence.rfind("pagehost: ", 0), 0u) << run.err;
        EXPECT_NE(sentence.find(words), std::string::npos) << run.err;
        EXPECT_EQ(sentence.substr(sentence.size() - 2), ".\n") << run.err;
        const std::string cmp =
            "cmp -s " + PdfFixtureFiles::quoted(copy) + " " + PdfFixtureFiles::quoted(Doc());
        EXPECT_EQ(std::system(cmp.c_str()), 0) << "the document changed: " << arguments[0];
    }
    std::string RawPdf(const std::string& name, const std::string& pages, const std::string& third = "") {
        RawPdfBuilder pdf;
        pdf.object(1, "<< /Type /Catalog /Pages 2 0 R >>").object(2, pages);
        if (!third.empty())
            pdf.object(3, third);
        std::ofstream(dir / name, std::ios::binary) << pdf.build(1);
        return (dir / name).string();
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
                         "  sticky note by Sam\n" // no date in the PDF, none shown
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

TEST_F(ImportVerbTest, EveryPdfThatCannotBeImportedIsRefusedInOneSentenceAndTheDocumentIsUnchanged) {
    std::ofstream(dir / "text.pdf") << "Dear reviewer,\nthis is a letter, not a proof.\n";
    ExpectRefused({(dir / "text.pdf").string()}, "text.pdf is not a PDF file.");
    std::ofstream(dir / "broken.pdf") << "%PDF-1.7\nnot really";
    ExpectRefused({(dir / "broken.pdf").string()}, "broken.pdf is a damaged PDF file");
    PdfFixtureFiles::run("qpdf --encrypt secret secret 256 -- " + PdfFixtureFiles::quoted(dir / "proof.pdf") +
                         " " + PdfFixtureFiles::quoted(dir / "locked.pdf"));
    ExpectRefused({(dir / "locked.pdf").string()}, "locked.pdf is protected by a password");
    ExpectRefused({RawPdf("empty.pdf", "<< /Type /Pages /Kids [] /Count 0 >>")}, "empty.pdf has no pages");
    ExpectRefused({RawPdf("unreachable.pdf", "<< /Type /Pages /Kids [7 0 R] /Count 1 >>")},
                  "its page tree does not reach");
    ExpectRefused({RawPdf("loop.pdf", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                          "<< /Type /Pages /Parent 2 0 R /Kids [2 0 R] /Count 1 >>")},
                  "loop.pdf loops back on itself");
    ExpectRefused({(dir / "no-such.pdf").string()}, "There is no file");
    ExpectRefused({dir.string()}, "it is a folder");
}

TEST_F(ImportVerbTest, OffsetsThatPairNoPageAndPdfsWithNothingToImportAreRefused) {
    const std::string reviewed = Reviewed(R"([{"page": 0, "kind": "Text", "point": [100, 100]}])");
    for (const char* offset : {"3", "-3", "2147483647", "-2147483648"})
        ExpectRefused({reviewed, "--offset", offset}, "pairs no page of the PDF (3 pages)");
    ExpectRefused({(dir / "proof.pdf").string()}, "proof.pdf has no comments of the chosen kinds");
    ExpectRefused({reviewed, "--no-sticky-notes"}, "nothing was imported");
}

// A note without a date was listed as 1601-01-01 00:00:00, the host's default time.
TEST_F(ImportVerbTest, ANoteWithoutADateIsListedWithNoDate) {
    const std::string reviewed =
        Reviewed(R"([{"page": 0, "kind": "Text", "point": [100, 100], "author": "Ann"},
        {"page": 1, "kind": "Text", "point": [100, 100], "author": "Bo", "date": "D:20240510091500Z"}])");
    ASSERT_EQ(RunPagehost({"import", Doc(), reviewed}).status, 0);
    const PagehostRun text = RunPagehost({"notes", Doc()});
    EXPECT_EQ(text.out.find("1601"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("sticky note by Ann\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("sticky note by Bo, 2024-05-10 09:15:00\n"), std::string::npos) << text.out;
    const nlohmann::json pages = nlohmann::json::parse(RunPagehost({"notes", Doc(), "--json"}).out);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(pages[0]["notes"][0]["date"].is_null()) << pages.dump();
    EXPECT_EQ(pages[1]["notes"][0]["date"], "2024-05-10 09:15:00");
}

TEST_F(ImportVerbTest, EachImportOpensThePdfOnce) {
    const std::string reviewed = Reviewed(R"([{"page": 0, "kind": "Text", "point": [100, 100]}])");
    const std::filesystem::path log = dir / "openings.log";
    ::setenv("PAGEHOST_PDF_OPEN_LOG", log.c_str(), 1);
    const PagehostRun first = RunPagehost({"import", Doc(), reviewed});
    const PagehostRun second = RunPagehost({"import", Doc(), reviewed});
    ::unsetenv("PAGEHOST_PDF_OPEN_LOG");
    ASSERT_EQ(first.status, 0) << first.err;
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(TestSupport::ReadFile(log), reviewed + "\n" + reviewed + "\n");
}

TEST_F(ImportVerbTest, ExistingNotesAreWarnedAboutAndPagesThatDoNotFitAreRefused) {
    const std::string reviewed = Reviewed(R"([{"page": 0, "kind": "Text", "point": [100, 100]}])");
    ASSERT_EQ(RunPagehost({"import", Doc(), reviewed}).status, 0);
    const PagehostRun again = RunPagehost({"import", Doc(), reviewed});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.err.find("already holds annotations"), std::string::npos) << again.err;
    EXPECT_EQ(again.err.find("could not be imported"), std::string::npos)
        << "the note and its popup land: " << again.err;

    std::ofstream(dir / "a4.json") << R"([{"size": [595, 842], "lines": ["A4"]}])";
    Python("make_sample_pdf.py", {dir / "a4.pdf", dir / "a4.json"});
    ExpectRefused({(dir / "a4.pdf").string()},
                  "a4.pdf do not fit the document: PDF page 1 measures 595 x 842");
}
// The import dialog asks before adding to annotations already there; answering No imports nothing,
// fails and leaves the file as it was.
TEST_F(ImportVerbTest, DecliningToImportUponExistingNotesLeavesTheDocumentAsItWas) {
    const std::string reviewed = Reviewed(R"([{"page": 0, "kind": "Text", "point": [100, 100]}])");
    ASSERT_EQ(RunPagehost({"import", Doc(), reviewed}).status, 0);
    const std::string before = TestSupport::ReadFile(Doc());
    const PagehostRun declined = RunPagehost({"--answer", "2", "import", Doc(), reviewed});
    EXPECT_NE(declined.status, 0);
    EXPECT_NE(declined.err.find("pagehost: question: The document already holds annotations"),
              std::string::npos)
        << declined.err;
    EXPECT_NE(declined.err.find("answered \"No\""), std::string::npos) << declined.err;
    EXPECT_EQ(declined.err.find("Importing Annotations"), std::string::npos) << declined.err;
    EXPECT_EQ(TestSupport::ReadFile(Doc()), before);
    const nlohmann::json pages = nlohmann::json::parse(RunPagehost({"notes", Doc(), "--json"}).out);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0]["notes"].size(), 1u);
}

// A start page the dialog's field refuses is named with the field's limits.
TEST_F(ImportVerbTest, AnOffsetBeyondALongerPdfIsRefusedByTheStartPageField) {
    std::ofstream(dir / "five.json")
        << R"([{"size": [612, 792], "lines": ["1"]}, {"size": [612, 792], "lines": ["2"]},
        {"size": [612, 792], "lines": ["3"]}, {"size": [612, 792], "lines": ["4"]},
        {"size": [612, 792], "lines": ["5"]}])";
    Python("make_sample_pdf.py", {dir / "five.pdf", dir / "five.json"});
    ExpectRefused({(dir / "five.pdf").string(), "--offset", "-5"}, "Enter a whole number between 1 and 5.");
}

TEST_F(ImportVerbTest, PopupsOpenAndCloseWhereThePdfPutThemAndBadIdsChangeNothing) {
    const std::string reviewed =
        Reviewed(R"([{"page": 0, "kind": "Text", "point": [100, 150], "contents": "open me"}])");
    ASSERT_EQ(RunPagehost({"import", Doc(), reviewed}).status, 0);
    const nlohmann::json info = nlohmann::json::parse(RunPagehost({"pdfinfo", "--json", reviewed}).out);
    nlohmann::json popupRect;
    for (const auto& annotation : info["pages"][0]["annotations"])
        if (annotation["kind"] == "Popup")
            popupRect = annotation["rect"];
    ASSERT_TRUE(popupRect.is_array()) << info.dump();
    // Just inside the popup's bottom-right corner, clear of its text (PDF user space, y upwards).
    const double x = popupRect[2].get<double>() - 12, y = 792 - popupRect[1].get<double>() - 12;
    const auto pixelAt = [&](const std::string& name) {
        const std::string png = (dir / name).string();
        EXPECT_EQ(RunPagehost({"render", Doc(), "--page", "1", "--out", png}).status, 0);
        return PngImage::Load(png).PixelAt(static_cast<int>(36 + x), static_cast<int>(36 + y));
    };
    EXPECT_EQ(pixelAt("closed.png"), 0xFFFFFFu) << "the import leaves popups closed";

    const PagehostRun shown = RunPagehost({"popups", Doc(), "show"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(pixelAt("open.png"), 0xFFFF00u) << "the note's yellow at the PDF's popup rectangle";
    const PagehostRun notes = RunPagehost({"notes", Doc(), "--json"});
    EXPECT_EQ(nlohmann::json::parse(notes.out)[0]["notes"].size(), 1u)
        << "a popup is no annotation of its own";

    const std::string before = TestSupport::ReadFile(Doc());
    const PagehostRun badId = RunPagehost({"popups", Doc(), "hide", "999999"});
    EXPECT_NE(badId.status, 0);
    EXPECT_NE(badId.err.find("names no annotation"), std::string::npos) << badId.err;
    const PagehostRun sameOut = RunPagehost({"popups", Doc(), "hide", "--out", Doc()});
    EXPECT_NE(sameOut.status, 0);
    EXPECT_EQ(TestSupport::ReadFile(Doc()), before);

    const int id = nlohmann::json::parse(notes.out)[0]["notes"][0]["id"].get<int>();
    ASSERT_EQ(RunPagehost({"popups", Doc(), "hide", std::to_string(id)}).status, 0);
    EXPECT_EQ(pixelAt("hidden.png"), 0xFFFFFFu);
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
