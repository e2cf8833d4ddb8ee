// pagehost options: shows the popup display mode, sets it, and the next process finds it set; the
// mode decides whether the import leaves the popups of a reviewed PDF open. A defaults file that is
// damaged gives the start value and no crash.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include <nlohmann/json.hpp>

#include "PagehostRun.h"
#include "ReviewedProof.h"
#include "TestSupport.h"
#include "host/graphics/PngImage.h"

namespace {
class OptionsVerbTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = TestSupport::MakeTempDir("options");
        // pagehost runs with this test's own application document folder.
        const char* old = std::getenv("PAGEHOST_HOME");
        oldHome = old ? old : "";
        ::setenv("PAGEHOST_HOME", (dir / "home").c_str(), 1);
    }
    void TearDown() override { ::setenv("PAGEHOST_HOME", oldHome.c_str(), 1); }

    std::string Mode() {
        const PagehostRun run = RunPagehost({"options"});
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
    // A document and a reviewed PDF of it holding one sticky note with its popup; answers the colour
    // just inside the popup's lower-right corner after importing, as page 1 is drawn.
    uint32 PopupPixelAfterImport(const std::string& name) {
        const std::filesystem::path work = dir / name;
        std::filesystem::create_directories(work);
        const std::string doc = ReviewedProof::Make(
            work, R"({"pageSize": {"width": 612, "height": 792}, "spreads": [{"pages": [{}]}]})",
            R"([{"page": 0, "kind": "Text", "point": [100, 150], "contents": "open me"}])");
        const std::string reviewed = (work / "reviewed.pdf").string();
        const PagehostRun imported = RunPagehost({"import", doc, reviewed});
        EXPECT_EQ(imported.status, 0) << imported.err;
        const nlohmann::json info = nlohmann::json::parse(RunPagehost({"pdfinfo", "--json", reviewed}).out);
        nlohmann::json rect;
        for (const auto& annotation : info["pages"][0]["annotations"])
            if (annotation["kind"] == "Popup")
                rect = annotation["rect"];
        EXPECT_TRUE(rect.is_array()) << info.dump();
        if (!rect.is_array())
            return 0;
        const std::string png = (work / "page.png").string();
        EXPECT_EQ(RunPagehost({"render", doc, "--page", "1", "--out", png}).status, 0);
        const double x = rect[2].get<double>() - 12, y = 792 - rect[1].get<double>() - 12;
        return PngImage::Load(png).PixelAt(static_cast<int>(36 + x), static_cast<int>(36 + y));
    }

    std::filesystem::path dir;
    std::string oldHome;
};

TEST_F(OptionsVerbTest, ThePopupModeIsShownSetAndKeptForTheNextRun) {
    EXPECT_EQ(Mode(), "popup-mode: leave-alone\n") << "the start value";
    EXPECT_FALSE(std::filesystem::exists(dir / "home" / "Defaults")) << "showing writes nothing";

    const PagehostRun set = RunPagehost({"options", "--popup-mode", "show-all"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "popup-mode: show-all\n");
    EXPECT_EQ(Mode(), "popup-mode: show-all\n") << "a new process finds the mode set";

    const PagehostRun bad = RunPagehost({"options", "--popup-mode", "sometimes"});
    EXPECT_NE(bad.status, 0);
    EXPECT_EQ(Mode(), "popup-mode: show-all\n") << "a refused value changes nothing";

    ASSERT_EQ(RunPagehost({"options", "--popup-mode", "show-selected"}).status, 0);
    EXPECT_EQ(Mode(), "popup-mode: show-selected\n");
}

TEST_F(OptionsVerbTest, TheModeDecidesWhetherTheImportLeavesPopupsOpen) {
    EXPECT_EQ(PopupPixelAfterImport("alone"), 0xFFFFFFu) << "leave-alone: popups closed";
    ASSERT_EQ(RunPagehost({"options", "--popup-mode", "show-all"}).status, 0);
    EXPECT_EQ(PopupPixelAfterImport("all"), 0xFFFF00u) << "show-all: the note's yellow popup is open";
    ASSERT_EQ(RunPagehost({"options", "--popup-mode", "show-selected"}).status, 0);
    EXPECT_EQ(PopupPixelAfterImport("selected"), 0xFFFFFFu) << "show-selected: nothing is selected";
}

TEST_F(OptionsVerbTest, ADamagedDefaultsFileGivesTheStartValue) {
    std::filesystem::create_directories(dir / "home");
    for (const std::string& bytes : {std::string("garbage"), std::string("pagehost-defaults 1\n\x09\x92\x16"),
                                     std::string("pagehost-defaults 1\n") + std::string(12, '\xff')}) {
        std::ofstream(dir / "home" / "Defaults", std::ios::binary) << bytes;
        EXPECT_EQ(Mode(), "popup-mode: leave-alone\n");
        EXPECT_EQ(TestSupport::ReadFile(dir / "home" / "Defaults"), bytes) << "left as it was";
    }
    // A section of the popup options holding a number that is no mode.
    std::string section = "pagehost-defaults 1\n";
    for (const uint32 field : {0x169209u, 0x169213u, 4u})
        for (int shift = 0; shift < 32; shift += 8)
            section += static_cast<char>((field >> shift) & 0xFF);
    section += std::string("\x07\x00\x00\x00", 4);
    std::ofstream(dir / "home" / "Defaults", std::ios::binary) << section;
    EXPECT_EQ(Mode(), "popup-mode: leave-alone\n");
    ASSERT_EQ(RunPagehost({"options", "--popup-mode", "show-all"}).status, 0);
    EXPECT_EQ(Mode(), "popup-mode: show-all\n") << "setting the mode writes a good file again";
}
} // namespace

namespace {
TEST_F(OptionsVerbTest, AChoiceThatCannotBeKeptIsRefusedInOneSentence) {
    std::ofstream(dir / "home") << "a file where the folder belongs";
    const PagehostRun run = RunPagehost({"options", "--popup-mode", "show-all"});
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err.rfind("pagehost: The options cannot be kept: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.substr(run.err.size() - 2), ".\n") << run.err;
    EXPECT_EQ(TestSupport::ReadFile(dir / "home"), "a file where the folder belongs");
}
} // namespace
