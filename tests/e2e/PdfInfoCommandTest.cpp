// pagehost pdfinfo shows what the import's reader sees in a reviewed PDF: pages with their boxes,
// then each annotation's kind, type, geometry, strings, date, colours, border and links, as text and
// as JSON; a file that cannot be read gives one sentence and a failing exit status.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "PagehostRun.h"
#include "PdfFixtureFiles.h"

namespace {
const char* kComments = R"([
 {"page": 0, "kind": "Text", "point": [100, 100], "contents": "日本語のコメント", "author": "Ελένη",
  "date": "D:20230405060708+02'00'", "popup": true},
 {"page": 0, "kind": "Highlight", "rects": [[72, 100, 120, 115]], "stroke": [1, 1, 0], "flags": 4},
 {"page": 1, "kind": "Line", "points": [[100, 600], [200, 650]], "line_ends": ["OpenArrow", "RClosedArrow"],
  "width": 2, "dashes": [3, 2]},
 {"page": 1, "kind": "Polygon", "points": [[100, 700], [150, 700], [125, 750]], "cloudy": 2, "fill": [0, 0, 1]}
])";

class PdfInfoCommandTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { reviewed = PdfFixtureFiles::annotated("pdfinfo", kComments); }
    static std::filesystem::path reviewed;
};
std::filesystem::path PdfInfoCommandTest::reviewed;

TEST_F(PdfInfoCommandTest, JsonListsPagesBoxesAndEveryAnnotationsFacts) {
    const PagehostRun run = RunPagehost({"pdfinfo", reviewed.string(), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const nlohmann::json info = nlohmann::json::parse(run.out);
    ASSERT_EQ(info["pages"].size(), 2u);
    EXPECT_EQ(info["pages"][0]["mediaBox"], nlohmann::json({0, 0, 595, 842}));
    EXPECT_TRUE(info["pages"][0]["trimBox"].is_null());

    const nlohmann::json& page1 = info["pages"][0]["annotations"];
    ASSERT_EQ(page1.size(), 3u); // the note, its popup and the highlight
    EXPECT_EQ(page1[0]["kind"], "Text");
    EXPECT_EQ(page1[0]["type"], 2);
    EXPECT_EQ(page1[0]["author"], "Ελένη");
    EXPECT_EQ(page1[0]["content"], "日本語のコメント");
    EXPECT_EQ(page1[0]["date"], "2023-04-05 06:07:08 +02:00");
    EXPECT_EQ(page1[0]["popup"], 2);
    EXPECT_EQ(page1[1]["type"], 1);
    EXPECT_EQ(page1[2]["type"], 3);
    EXPECT_EQ(page1[2]["points"]["key"], "QuadPoints");
    EXPECT_EQ(page1[2]["points"]["values"], nlohmann::json({72, 742, 120, 742, 72, 727, 120, 727}));
    EXPECT_EQ(page1[2]["color"], nlohmann::json({1, 1, 0}));
    EXPECT_EQ(page1[2]["flags"], 4);

    const nlohmann::json& page2 = info["pages"][1]["annotations"];
    ASSERT_EQ(page2.size(), 2u);
    EXPECT_EQ(page2[0]["border"], nlohmann::json({{"width", 2}, {"style", 3}}));
    EXPECT_EQ(page2[0]["lineEndings"], nlohmann::json({"OpenArrow", "RClosedArrow"}));
    EXPECT_EQ(page2[1]["border"]["style"], 7);
    EXPECT_EQ(page2[1]["interiorColor"], nlohmann::json({0, 0, 1}));
}

TEST_F(PdfInfoCommandTest, TextNamesEachPageAndAnnotation) {
    const PagehostRun run = RunPagehost({"pdfinfo", reviewed.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("page 1: MediaBox [0 0 595 842], TrimBox none\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  annotation 3: Highlight (type 3)\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("    line endings: OpenArrow RClosedArrow\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("    popup: annotation 2\n"), std::string::npos) << run.out;
}

TEST_F(PdfInfoCommandTest, AFileThatIsNotAPdfGivesOneSentenceAndFails) {
    const std::filesystem::path broken = PdfFixtureFiles::writeFile("broken.pdf", "%PDF-1.4\n1 0 obj <<");
    const PagehostRun run = RunPagehost({"pdfinfo", broken.string()});
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("pagehost: cannot read " + broken.string() + ": ", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    EXPECT_EQ(run.err.substr(run.err.size() - 2), ".\n");

    const PagehostRun missing = RunPagehost({"pdfinfo", (PdfFixtureFiles::tempDir() / "none.pdf").string()});
    EXPECT_NE(missing.status, 0);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
}
} // namespace
