// Verbs that write a file refuse an output that is one of their inputs, under any spelling or
// through a link, and an empty output name, in one sentence; every input stays byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "PagehostRun.h"
#include "TestSupport.h"

namespace {
class OutputPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = TestSupport::MakeTempDir("output-path");
        std::ofstream(Layout())
            << R"({"pageSize": {"width": 300, "height": 400}, "spreads": [{"pages": [{}]}]})";
        ASSERT_EQ(RunPagehost({"new", Layout(), Doc()}).status, 0);
        ASSERT_EQ(RunPagehost({"export-pdf", Doc(), Proof()}).status, 0);
        std::filesystem::create_symlink(Doc(), dir / "link.phd");
    }
    std::string Layout() const { return (dir / "layout.json").string(); }
    std::string Doc() const { return (dir / "doc.phd").string(); }
    std::string Proof() const { return (dir / "proof.pdf").string(); }

    // Runs a verb that must be refused, and checks that it said so in one sentence and left the
    // document, the layout and the proof as they were.
    void ExpectRefused(const std::vector<std::string>& arguments, const std::string& words) {
        const std::string doc = TestSupport::ReadFile(Doc());
        const std::string layout = TestSupport::ReadFile(Layout());
        const std::string proof = TestSupport::ReadFile(Proof());
        const PagehostRun run = RunPagehost(arguments);
        EXPECT_NE(run.status, 0) << arguments[0];
        EXPECT_NE(run.err.find(words), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(TestSupport::ReadFile(Doc()), doc) << arguments[0];
        EXPECT_EQ(TestSupport::ReadFile(Layout()), layout) << arguments[0];
        EXPECT_EQ(TestSupport::ReadFile(Proof()), proof) << arguments[0];
        EXPECT_EQ(
            std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 4)
            << "nothing is left beside the files";
    }
    std::filesystem::path dir;
};

TEST_F(OutputPathTest, AVerbNeverWritesOverItsOwnInput) {
    ExpectRefused({"export-pdf", Doc(), Doc()}, "is the input");
    ExpectRefused({"export-pdf", Doc(), (dir / "link.phd").string()}, "is the input");
    ExpectRefused({"export-pdf", Doc(), (dir / "." / "doc.phd").string()}, "is the input");
    ExpectRefused({"render", Doc(), "--page", "1", "--out", Doc()}, "is the input");
    ExpectRefused({"new", Layout(), Layout()}, "is the input");
    ExpectRefused({"import", Doc(), Proof(), "--out", Proof()}, "is the input");
    ExpectRefused({"import", (dir / "link.phd").string(), Doc()}, "is the input");
}

TEST_F(OutputPathTest, AnEmptyOutputNameIsRefusedRatherThanReadAsTheDocument) {
    ExpectRefused({"import", Doc(), Proof(), "--out", ""}, "output file name is empty");
    ExpectRefused({"export-pdf", Doc(), ""}, "output file name is empty");
    ExpectRefused({"render", Doc(), "--page", "1", "--out", ""}, "output file name is empty");
    ExpectRefused({"new", Layout(), ""}, "output file name is empty");
}
} // namespace
