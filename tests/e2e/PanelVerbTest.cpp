// `pagehost panel` end to end: a proof commented by PyMuPDF is imported, and the panel shows one node
// per commented page with its notes' labels (first line, at most 30 characters and " ..."), in the
// order the notes verb lists them; selecting a note node shows its author, date and text and enables
// accept and reject only for a text edit; a node that is not there is refused in one sentence.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "PagehostRun.h"
#include "ReviewedProof.h"
#include "TestSupport.h"

namespace {
constexpr const char* kLayout = R"({
  "pageSize": {"width": 612, "height": 792},
  "spreads": [{"pages": [{}, {}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 540, 300], "story": "s"},
                 {"page": 2, "bounds": [72, 72, 540, 300], "story": "t"}],
  "stories": [{"id": "s", "paragraphs": ["Harbour lights gleam over the quiet water tonight"]},
              {"id": "t", "paragraphs": ["Lanterns swing above the narrow harbour stairs"]}]
})";

constexpr const char* kComments = R"([
  {"page": 0, "kind": "Text", "near": "gleam", "contents": "Check this line\rit may run long",
   "author": "Maren Holt", "date": "D:20261130101500Z"},
  {"page": 1, "kind": "Highlight", "search": "narrow", "contents": "A word that is worth keeping here, surely",
   "author": "Jonas Berg", "date": "D:20261201090000Z"},
  {"page": 1, "kind": "StrikeOut", "search": "swing", "contents": "Drop it",
   "author": "Jonas Berg", "date": "D:20261201091500Z"}
])";

class PanelVerbTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const auto dir = TestSupport::MakeTempDir("panel-verb");
        doc = ReviewedProof::Make(dir, kLayout, kComments);
        const PagehostRun imported = RunPagehost({"import", doc, (dir / "reviewed.pdf").string()});
        ASSERT_EQ(imported.status, 0) << imported.err;
    }
    static nlohmann::json Panel(const std::vector<std::string>& extra = {}) {
        std::vector<std::string> args = {"panel", doc, "--json"};
        args.insert(args.end(), extra.begin(), extra.end());
        const PagehostRun run = RunPagehost(args);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.status == 0 ? nlohmann::json::parse(run.out) : nlohmann::json();
    }
    static std::string doc;
};
std::string PanelVerbTest::doc;
} // namespace

TEST_F(PanelVerbTest, TheTreeListsEachCommentedPageWithItsNoteLabelsInTheNotesOrder) {
    const nlohmann::json panel = Panel();
    ASSERT_EQ(panel["tree"].size(), 2u) << panel.dump(2);
    EXPECT_EQ(panel["tree"][0]["label"], "Page 1");
    EXPECT_EQ(panel["tree"][1]["label"], "Page 2");
    ASSERT_EQ(panel["tree"][0]["notes"].size(), 1u);
    EXPECT_EQ(panel["tree"][0]["notes"][0]["label"], "Check this line");
    EXPECT_EQ(panel["tree"][0]["notes"][0]["icon"], 3012);

    const PagehostRun notes = RunPagehost({"notes", doc, "--json"});
    ASSERT_EQ(notes.status, 0) << notes.err;
    const nlohmann::json listed = nlohmann::json::parse(notes.out)[1]["notes"];
    ASSERT_EQ(listed.size(), 2u);
    ASSERT_EQ(panel["tree"][1]["notes"].size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const bool isStrike = listed[i]["kind"] == "strike-through";
        EXPECT_EQ(panel["tree"][1]["notes"][i]["label"],
                  isStrike ? "Drop it" : "A word that is worth keeping h ...");
        EXPECT_EQ(panel["tree"][1]["notes"][i]["icon"], isStrike ? 3013 : 3010);
    }
    EXPECT_TRUE(panel["selected"].is_null());
    EXPECT_EQ(panel["details"]["accept"], false);
    EXPECT_EQ(panel["details"]["remove"], false);
}

TEST_F(PanelVerbTest, ASelectedNoteShowsItsDetailsAndATextEditCanBeAcceptedOrRejected) {
    const nlohmann::json tree = Panel()["tree"];
    for (int note = 1; note <= 2; ++note) {
        const nlohmann::json panel = Panel({"--select-node", "2." + std::to_string(note)});
        const nlohmann::json& details = panel["details"];
        const bool isStrike = tree[1]["notes"][note - 1]["label"] == "Drop it";
        EXPECT_EQ(panel["selected"], tree[1]["notes"][note - 1]["label"]);
        EXPECT_EQ(details["author"], "Jonas Berg");
        EXPECT_EQ(details["text"], isStrike ? "Drop it" : "A word that is worth keeping here, surely");
        EXPECT_EQ(details["date"], isStrike ? "2026-12-01 09:15:00" : "2026-12-01 09:00:00");
        EXPECT_EQ(details["editable"], true);
        EXPECT_EQ(details["accept"], isStrike);
        EXPECT_EQ(details["reject"], isStrike);
        EXPECT_EQ(details["remove"], true);
    }
    const nlohmann::json first = Panel({"--select-node", "1.1"});
    EXPECT_EQ(first["details"]["text"], "Check this line\nit may run long") << "the whole text, one line a line";
}

TEST_F(PanelVerbTest, APageNodeShowsNoDetailsAndAMissingNodeIsRefused) {
    const nlohmann::json page = Panel({"--select-node", "2"});
    EXPECT_EQ(page["selected"], "Page 2");
    EXPECT_EQ(page["details"]["text"], "");
    EXPECT_EQ(page["details"]["remove"], false);
    for (const char* missing : {"3", "1.2", "0", "2.x", "1.1.1"}) {
        const PagehostRun refused = RunPagehost({"panel", doc, "--select-node", missing});
        EXPECT_NE(refused.status, 0) << missing;
        EXPECT_NE(refused.err.find("has no node"), std::string::npos) << refused.err;
        EXPECT_TRUE(refused.out.empty());
    }
}

TEST_F(PanelVerbTest, TheTextFormShowsTheTreeIndentedAndTheSelectionsDetails) {
    const PagehostRun run = RunPagehost({"panel", doc, "--select-node", "1.1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Page 1\n  Check this line\nPage 2\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("selected: Check this line\nauthor: Maren Holt\ndate: 2026-11-30 10:15:00\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("accept: disabled, reject: disabled, remove: enabled\n"), std::string::npos);
}
