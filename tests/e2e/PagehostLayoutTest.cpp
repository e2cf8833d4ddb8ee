// pagehost new, info and render on a layout description, run as the user runs them.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "host/graphics/PngImage.h"

namespace {
struct ProcessRun {
    int status;
    std::string output; // standard output and standard error together
};

ProcessRun Pagehost(const std::string& arguments) {
    const std::string command =
        (TestSupport::BinaryDir() / "bin/pagehost").string() + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

const char* const kLayout = R"({
  "swatches": [{"name": "Red", "rgb": [1, 0, 0]}],
  "layers": [{"name": "Layer 1"}, {"name": "Art"}],
  "masters": [{"name": "A-Master", "pages": 2}, {"name": "B-Master", "pages": 1}],
  "spreads": [{"pages": [{"master": "A-Master"}]},
              {"pages": [{"master": "A-Master"}, {"master": "A-Master"}]},
              {"pages": [{"master": "B-Master"}, {"master": "B-Master"}]}],
  "items": [{"type": "rectangle", "page": 3, "layer": "Art", "bounds": [100, 200, 300, 350],
             "stroke": {"color": "Red", "weight": 2}}]
})";

class PagehostLayout : public ::testing::Test {
protected:
    void SetUp() override {
        fDir = TestSupport::MakeTempDir("pagehost-layout");
        std::ofstream(fDir / "layout.json") << kLayout;
    }
    std::filesystem::path fDir;
};
} // namespace

TEST_F(PagehostLayout, NewDocumentReopensWithItsSpreadsMastersLayersAndItems) {
    const ProcessRun made =
        Pagehost("new " + Quoted(fDir / "layout.json") + " " + Quoted(fDir / "doc.pgdoc"));
    ASSERT_EQ(made.status, 0) << made.output;
    const ProcessRun info = Pagehost("info " + Quoted(fDir / "doc.pgdoc"));
    ASSERT_EQ(info.status, 0) << info.output;
    EXPECT_NE(info.output.find("Spreads: 3, pages: 5"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("Master spreads: 2"), std::string::npos);
    EXPECT_NE(info.output.find("  A-Master: 2 page(s)"), std::string::npos);
    EXPECT_NE(info.output.find("Page 3: bounds (0, 1008, 612, 1800), master A-Master"), std::string::npos)
        << info.output;
    EXPECT_NE(info.output.find("Page 5: bounds (0, 1944, 612, 2736), master B-Master"), std::string::npos);
    EXPECT_NE(info.output.find("Layers: 2"), std::string::npos);
    EXPECT_NE(info.output.find("spline on page 3, layer Art, bounds (100, 1208, 300, 1358), stroke Red 2 pt"),
              std::string::npos)
        << info.output;
}

TEST_F(PagehostLayout, RenderedPageShowsTheRedRectangleWhereTheLayoutPutsIt) {
    ASSERT_EQ(Pagehost("new " + Quoted(fDir / "layout.json") + " " + Quoted(fDir / "doc.pgdoc")).status, 0);
    const ProcessRun rendered = Pagehost("render " + Quoted(fDir / "doc.pgdoc") +
                                         " --page 3 --scale 2 --out " + Quoted(fDir / "page3.png"));
    ASSERT_EQ(rendered.status, 0) << rendered.output;
    const PngImage png = PngImage::Load((fDir / "page3.png").string());
    ASSERT_FALSE(png.IsEmpty());
    // 36 points of pasteboard margin, 2 pixels per point; the 2 pt stroke straddles each edge.
    auto pixel = [&](double x, double y) {
        return png.PixelAt(static_cast<int>((36 + x) * 2), static_cast<int>((36 + y) * 2));
    };
    EXPECT_EQ(pixel(200, 200), 0xFF0000u);
    EXPECT_EQ(pixel(200, 350), 0xFF0000u);
    EXPECT_EQ(pixel(100, 275), 0xFF0000u);
    EXPECT_EQ(pixel(300, 275), 0xFF0000u);
    EXPECT_EQ(pixel(200, 275), 0xFFFFFFu);
    EXPECT_EQ(pixel(200, 197), 0xFFFFFFu);
    EXPECT_EQ(pixel(500, 600), 0xFFFFFFu);
}

TEST_F(PagehostLayout, FaultyDescriptionIsRefusedByItsPathAndWritesNothing) {
    std::ofstream(fDir / "bad.json") << R"({"spreads": [{"pages": [{"master": "Nowhere"}]}]})";
    const ProcessRun made = Pagehost("new " + Quoted(fDir / "bad.json") + " " + Quoted(fDir / "bad.pgdoc"));
    EXPECT_NE(made.status, 0);
    EXPECT_NE(made.output.find(
                  "The layout description is invalid at $.spreads[0].pages[0].master: no master spread "
                  "is named \"Nowhere\"."),
              std::string::npos)
        << made.output;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(fDir), std::filesystem::directory_iterator()),
              2)
        << "only the two descriptions are there";
}

TEST_F(PagehostLayout, RenderOfAMissingPageFailsWithASentence) {
    ASSERT_EQ(Pagehost("new " + Quoted(fDir / "layout.json") + " " + Quoted(fDir / "doc.pgdoc")).status, 0);
    const ProcessRun rendered =
        Pagehost("render " + Quoted(fDir / "doc.pgdoc") + " --page 9 --out " + Quoted(fDir / "x.png"));
    EXPECT_NE(rendered.status, 0);
    EXPECT_NE(rendered.output.find("The document has no page 9."), std::string::npos) << rendered.output;
    EXPECT_FALSE(std::filesystem::exists(fDir / "x.png"));
}
