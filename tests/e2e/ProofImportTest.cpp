// The whole round trip on a proof of the document itself: a three-page document with text is
// exported, PyMuPDF puts sticky notes beside words it finds in the proof (pages 1 and 3), one on the
// pasteboard left of page 2 (the left page of its spread) and one hidden; after the import the visible notes
// are listed on their pages and their icons are drawn where the proof has them.
#include <gtest/gtest.h>

#include <fstream>

#include <nlohmann/json.hpp>

#include "PagehostRun.h"
#include "PdfFixtureFiles.h"
#include "TestSupport.h"
#include "host/graphics/PngImage.h"

namespace {
TEST(ProofImportTest, NotesBesideWordsOfTheProofLandBesideThoseWords) {
    const std::filesystem::path dir = TestSupport::MakeTempDir("proof-import");
    std::ofstream(dir / "layout.json") << R"({
      "pageSize": {"width": 612, "height": 792},
      "spreads": [{"pages": [{}]}, {"pages": [{}, {}]}],
      "textFrames": [{"page": 1, "bounds": [72, 72, 540, 300], "story": "s"},
                     {"page": 2, "bounds": [72, 72, 540, 300], "story": "s"},
                     {"page": 3, "bounds": [72, 72, 540, 300], "story": "s"}],
      "stories": [{"id": "s", "paragraphs": ["Harbour lights", "Filler words to carry on.", "", "", "", "", "",
                   "", "", "", "", "", "", "", "", "", "Middle", "", "", "", "", "", "", "", "", "", "", "", "",
                   "", "", "", "Lantern"]}]
    })";
    const std::string doc = (dir / "doc.phd").string();
    ASSERT_EQ(RunPagehost({"new", (dir / "layout.json").string(), doc}).status, 0);
    ASSERT_EQ(RunPagehost({"export-pdf", doc, (dir / "proof.pdf").string()}).status, 0);
    std::ofstream(dir / "comments.json") << R"([
      {"page": 0, "kind": "Text", "near": "Harbour", "contents": "near the first word"},
      {"page": 2, "kind": "Text", "near": "Lantern", "contents": "near the last word"},
      {"page": 1, "kind": "Text", "point": [-40, 200], "contents": "on the pasteboard"},
      {"page": 1, "kind": "Text", "near": "Middle", "contents": "hidden", "flags": 2}
    ])";
    PdfFixtureFiles::run(
        "/usr/bin/python3 " + PdfFixtureFiles::quoted(TestSupport::SourceDir() / "tools/annotate_pdf.py") +
        " " + PdfFixtureFiles::quoted(dir / "proof.pdf") + " " +
        PdfFixtureFiles::quoted(dir / "comments.json") + " " + PdfFixtureFiles::quoted(dir / "reviewed.pdf"));
    ASSERT_EQ(RunPagehost({"import", doc, (dir / "reviewed.pdf").string()}).status, 0);

    const PagehostRun notes = RunPagehost({"notes", doc, "--json"});
    ASSERT_EQ(notes.status, 0);
    const nlohmann::json pages = nlohmann::json::parse(notes.out);
    ASSERT_EQ(pages.size(), 3u) << notes.out;
    EXPECT_EQ(pages[0]["page"], "Page 1");
    EXPECT_EQ(pages[0]["notes"][0]["content"], "near the first word");
    EXPECT_EQ(pages[1]["page"], "Page 2");
    EXPECT_EQ(pages[1]["notes"].size(), 1u) << "the hidden note stays out";
    EXPECT_EQ(pages[1]["notes"][0]["content"], "on the pasteboard");
    EXPECT_EQ(pages[2]["notes"][0]["content"], "near the last word");

    // Where the proof has the first note (PDF user space, y upwards) is where page 1 shows its icon.
    const nlohmann::json info =
        nlohmann::json::parse(RunPagehost({"pdfinfo", "--json", (dir / "reviewed.pdf").string()}).out);
    const auto rect = info["pages"][0]["annotations"][0]["rect"];
    const double centerX = (rect[0].get<double>() + rect[2].get<double>()) / 2;
    const double centerY = 792 - (rect[1].get<double>() + rect[3].get<double>()) / 2;
    ASSERT_EQ(RunPagehost({"render", doc, "--page", "1", "--scale", "2", "--out", (dir / "p1.png").string()})
                  .status,
              0);
    const PngImage png = PngImage::Load((dir / "p1.png").string());
    const auto pixel = [&](double x, double y) {
        return png.PixelAt(static_cast<int>((36 + x) * 2), static_cast<int>((36 + y) * 2));
    };
    EXPECT_EQ(pixel(centerX + 4, centerY), 0xFFFF00u) << "the icon's yellow body at the proof's place";
    EXPECT_EQ(pixel(centerX + 4, centerY + 8), 0xFFFFFFu) << "below the 10 by 10 icon";
}
} // namespace
