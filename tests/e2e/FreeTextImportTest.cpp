// Free text end to end: PyMuPDF writes into our own proof a dashed, filled free text beside a word
// on page 1 and, on page 3, a free text whose callout points at a word; the import makes each a
// text frame on the annotation layer at the PDF's rectangle less its RD insets, with the content,
// the callout line grouped with its frame; render draws them, the exported PDF has none of them.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include <nlohmann/json.hpp>

#include "PagehostRun.h"
#include "ProofWords.h"
#include "ReviewedProof.h"
#include "TestSupport.h"
#include "host/graphics/PngImage.h"

namespace {
struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

class FreeTextImportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = TestSupport::MakeTempDir("free-text");
        const std::string layout = R"({
          "pageSize": {"width": 612, "height": 792},
          "spreads": [{"pages": [{}]}, {"pages": [{}, {}]}],
          "textFrames": [{"page": 1, "bounds": [72, 72, 540, 300], "story": "s"},
                         {"page": 2, "bounds": [72, 72, 540, 300], "story": "s"},
                         {"page": 3, "bounds": [72, 72, 540, 300], "story": "s"}],
          "stories": [{"id": "s", "paragraphs": ["Harbour lights", "Filler words to carry on.", "", "", "", "",
                       "", "", "", "", "", "", "", "", "", "", "Middle", "", "", "", "", "", "", "", "", "", "",
                       "", "", "", "", "", "Lantern"]}]
        })";
        const std::string comments = R"([
          {"page": 0, "kind": "FreeText", "near": "Harbour", "size": [160, 40], "text": "Boxed remark",
           "width": 2, "dashes": [3, 2], "raw": {"C": "[1 1 0]"}},
          {"page": 2, "kind": "FreeText", "near": "Lantern", "size": [150, 36], "text": "Points at the word",
           "callout_to": "Lantern", "line_start": "OpenArrow", "width": 1.5, "raw": {"IC": "[0 0 1]"}}
        ])";
        doc = ReviewedProof::Make(dir, layout, comments);
        const PagehostRun imported = RunPagehost({"import", doc, Reviewed()});
        ASSERT_EQ(imported.status, 0) << imported.err;
        importErrors = imported.err;
    }
    static std::string Reviewed() { return (dir / "reviewed.pdf").string(); }

    // The text box of each annotation as the file states it: Rect less RD, in page coordinates (y down).
    static std::vector<Box> TextBoxesInPdf() {
        int status = 0;
        std::istringstream lines(TestSupport::RunPythonScript(
            TestSupport::SourceDir() / "tests/e2e/pdf_annot_boxes.py", {Reviewed()}, &status));
        std::vector<Box> boxes;
        for (std::string line; std::getline(lines, line);) {
            std::istringstream fields(line);
            std::string tag, kind, rdTag;
            int page = 0;
            Box r;
            fields >> tag >> page >> kind >> r.x0 >> r.y0 >> r.x1 >> r.y1 >> rdTag;
            double l = 0, t = 0, rt = 0, b = 0;
            if (fields >> l >> t >> rt >> b)
                r = Box{r.x0 + l, r.y0 + t, r.x1 - rt, r.y1 - b};
            boxes.push_back(r);
        }
        return boxes;
    }
    static Box WordBox(const std::string& word) {
        const std::vector<double> box = ProofWordBox(Reviewed(), word);
        return Box{box[0], box[1], box[2], box[3]};
    }
    // The items `pagehost info` lists on the annotation layer of a page: class word and pasteboard bounds,
    // each relative to the page's own top-left corner.
    static std::map<int, std::pair<std::string, Box>> AnnotationItems(int page) {
        const std::string info = RunPagehost({"info", doc}).out;
        const std::regex pageLine("Page " + std::to_string(page) + R"(: bounds \(([-\d.]+), ([-\d.]+),)");
        std::smatch match;
        EXPECT_TRUE(std::regex_search(info, match, pageLine)) << info;
        const double left = std::stod(match[1]), top = std::stod(match[2]);
        const std::regex itemLine(
            R"(Item (\d+): (\w+) on page )" + std::to_string(page) +
            R"(, layer Annotations, bounds \(([-\d.]+), ([-\d.]+), ([-\d.]+), ([-\d.]+)\))");
        std::map<int, std::pair<std::string, Box>> items;
        for (auto it = std::sregex_iterator(info.begin(), info.end(), itemLine); it != std::sregex_iterator();
             ++it) {
            const std::smatch& m = *it;
            items[std::stoi(m[1])] = {m[2], Box{std::stod(m[3]) - left, std::stod(m[4]) - top,
                                                std::stod(m[5]) - left, std::stod(m[6]) - top}};
        }
        return items;
    }
    static void ExpectNear(const Box& actual, const Box& expected, const char* what) {
        EXPECT_NEAR(actual.x0, expected.x0, 0.5) << what;
        EXPECT_NEAR(actual.y0, expected.y0, 0.5) << what;
        EXPECT_NEAR(actual.x1, expected.x1, 0.5) << what;
        EXPECT_NEAR(actual.y1, expected.y1, 0.5) << what;
    }
    static PngImage Render(int page) {
        const std::string png = (dir / ("p" + std::to_string(page) + ".png")).string();
        EXPECT_EQ(
            RunPagehost({"render", doc, "--page", std::to_string(page), "--scale", "2", "--out", png}).status,
            0);
        return PngImage::Load(png);
    }
    static uint32 At(const PngImage& png, double x, double y) {
        return png.PixelAt(static_cast<int>((36 + x) * 2), static_cast<int>((36 + y) * 2));
    }
    static uint32 InPdf(const std::string& pdf, int page, double x, double y) {
        int status = 0;
        std::istringstream line(TestSupport::RunPythonScript(
            TestSupport::SourceDir() / "tests/e2e/pdf_pixels.py",
            {pdf, std::to_string(page), std::to_string(x), std::to_string(y)}, &status));
        std::string tag, hex;
        double px = 0, py = 0;
        line >> tag >> px >> py >> hex;
        return static_cast<uint32>(std::stoul(hex.empty() ? "0" : hex, nullptr, 16));
    }
    static bool IsDark(uint32 rgb) {
        return (rgb >> 16) < 0x60 && ((rgb >> 8) & 0xFF) < 0x60 && (rgb & 0xFF) < 0x60;
    }

    static inline std::filesystem::path dir;
    static inline std::string doc;
    static inline std::string importErrors;
};

TEST_F(FreeTextImportTest, EachFreeTextIsAFrameAtItsRectLessTheInsetsWithItsContent) {
    EXPECT_EQ(importErrors.find("could not be imported"), std::string::npos) << importErrors;
    const nlohmann::json pages = nlohmann::json::parse(RunPagehost({"notes", doc, "--json"}).out);
    ASSERT_EQ(pages.size(), 2u) << pages.dump();
    EXPECT_EQ(pages[0]["page"], "Page 1");
    EXPECT_EQ(pages[0]["notes"][0]["kind"], "free text");
    EXPECT_EQ(pages[0]["notes"][0]["content"], "Boxed remark");
    EXPECT_EQ(pages[1]["page"], "Page 3");
    EXPECT_EQ(pages[1]["notes"][0]["content"], "Points at the word");

    const std::vector<Box> expected = TextBoxesInPdf();
    ASSERT_EQ(expected.size(), 2u);
    const int first = pages[0]["notes"][0]["id"], second = pages[1]["notes"][0]["id"];
    auto page1 = AnnotationItems(1), page3 = AnnotationItems(3);
    ASSERT_TRUE(page1.count(first)) << "the frame sits on page 1's annotation layer";
    ASSERT_TRUE(page3.count(second));
    ExpectNear(page1[first].second, expected[0], "the box without insets is the PDF's rectangle");
    ExpectNear(page3[second].second, expected[1], "the box with a callout is the rectangle less RD");
    // RD [66 30 4 4] from the file, read left, top, right, bottom: the box keeps the rectangle's
    // lower-right part, so the callout has room on the left and above.
    EXPECT_GT(page3[second].second.x0 - 60, WordBox("Lantern").x1 - 1);
}

TEST_F(FreeTextImportTest, TheCalloutIsGroupedWithItsFrameAndStartsAtTheWord) {
    const nlohmann::json pages = nlohmann::json::parse(RunPagehost({"notes", doc, "--json"}).out);
    const int frame = pages[1]["notes"][0]["id"];
    auto items = AnnotationItems(3);
    const Box word = WordBox("Lantern");
    const Box frameBox = items[frame].second;
    int groups = 0;
    bool calloutFound = false;
    for (const auto& [uid, item] : items) {
        const Box& b = item.second;
        if (item.first == "group") {
            ++groups;
            EXPECT_NEAR(b.x0, word.x1, 0.5) << "the group spans from the callout's tip";
            EXPECT_NEAR(b.x1, frameBox.x1, 0.5) << "to the frame's right edge";
        } else if (uid != frame && std::abs(b.x0 - word.x1) < 0.5 && std::abs(b.y0 - word.y1) < 0.5) {
            calloutFound = true;
            EXPECT_NEAR(b.x1, frameBox.x0, 0.5) << "the callout ends at the frame's left edge";
        }
    }
    EXPECT_EQ(groups, 1);
    EXPECT_TRUE(calloutFound) << "a callout from the word's lower-right corner";
    for (const auto& [uid, item] : AnnotationItems(1))
        EXPECT_NE(item.first, "group") << "page 1's free text has no callout and no group";
}

TEST_F(FreeTextImportTest, RenderDrawsBoxTextAndCalloutAndTheExportDrawsNone) {
    const std::vector<Box> boxes = TextBoxesInPdf();
    const PngImage page1 = Render(1);
    const Box b = boxes[0];
    EXPECT_EQ(At(page1, b.x1 - 10, b.y1 - 8), 0xFFFF00u) << "the fill from C";
    int red = 0, dark = 0;
    for (double x = b.x0 + 2; x < b.x1 - 2; x += 0.5) {
        const uint32 rgb = At(page1, x, b.y0 + 0.25);
        red += (rgb >> 16) > 0xB0 && ((rgb >> 8) & 0xFF) < 0x60;
    }
    for (double x = b.x0 + 1; x < b.x0 + 60; x += 0.5)
        dark += IsDark(At(page1, x, b.y0 + 9));
    EXPECT_GT(red, 40) << "the dashed border in the default red";
    EXPECT_LT(red, 270) << "dashed, not solid";
    EXPECT_GT(dark, 10) << "the content is set in the frame";

    const PngImage page3 = Render(3);
    const Box word = WordBox("Lantern");
    const Box box = boxes[1];
    const double kneeX = box.x0 - 20, kneeY = (box.y0 + box.y1) / 2;
    const double midX = (word.x1 + kneeX) / 2, midY = (word.y1 + kneeY) / 2;
    EXPECT_EQ(At(page3, midX, midY) & 0xFFFFFFu, 0x0000FFu) << "the callout in the interior colour";
    EXPECT_EQ(At(page3, box.x0 - 10, kneeY), 0x0000FFu) << "the callout's last leg";

    const std::string exported = (dir / "exported.pdf").string();
    ASSERT_EQ(RunPagehost({"export-pdf", doc, exported}).status, 0);
    EXPECT_EQ(InPdf(exported, 0, b.x1 - 10, b.y1 - 8), 0xFFFFFFu) << "no fill in the export";
    EXPECT_EQ(InPdf(exported, 2, box.x0 - 10, kneeY), 0xFFFFFFu) << "no callout in the export";
}
} // namespace
