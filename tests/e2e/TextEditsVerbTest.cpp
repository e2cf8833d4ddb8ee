// pagehost accept and reject end to end: a reviewer strikes a word of the document's own proof,
// puts a caret with "very " before another and replaces a third (PyMuPDF, at the words search_for
// finds); after the import, `accept --all-edits` gives a next proof whose text is the old text with
// exactly those edits, reflowed; `reject --all-edits` gives the old text and no edits; ids that
// name no text edit, or no ids at all, are refused and leave the document byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include <nlohmann/json.hpp>

#include "PagehostRun.h"
#include "ReviewedProof.h"
#include "TestSupport.h"

namespace {
namespace fs = std::filesystem;

constexpr const char* kLayout = R"({
  "pageSize": {"width": 612, "height": 792},
  "spreads": [{"pages": [{}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 300, 400], "story": "s"}],
  "stories": [{"id": "s", "paragraphs": [
    "Harbour quick brown fox jumps over the lazy dog and keeps running far beyond the quiet hills",
    "Closing words here"]}]
})";

constexpr const char* kReplacement = "goes on and on, always";
constexpr const char* kComments = R"([
  {"page": 0, "kind": "StrikeOut", "search": "quick"},
  {"page": 0, "kind": "Caret", "before": "lazy", "contents": "very "},
  {"page": 0, "kind": "Redact", "search": "keeps", "overlay_text": "goes on and on, always"},
  {"page": 0, "kind": "Highlight", "search": "Closing", "contents": "not an edit"}
])";

class TextEditsVerbTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = TestSupport::MakeTempDir("text-edits-verb");
        imported = Reviewed("imported", kComments);
        for (const auto& note : Notes(imported))
            ids[note["kind"].get<std::string>()] = std::to_string(note["id"].get<int64_t>());
        ASSERT_EQ(ids.size(), 4u) << "strike-through, insertion, replacement and highlight";
    }

    // A document of the layout with the comments PyMuPDF made on its proof imported.
    static std::string Reviewed(const std::string& name, const std::string& comments) {
        const fs::path folder = dir / name;
        fs::create_directories(folder);
        const std::string doc = ReviewedProof::Make(folder, kLayout, comments);
        const PagehostRun run = RunPagehost({"import", doc, (folder / "reviewed.pdf").string()});
        EXPECT_EQ(run.status, 0) << run.err;
        return doc;
    }

    static nlohmann::json Notes(const std::string& doc) { return ReviewedProof::AllNotes(doc); }
    static std::vector<std::string> Kinds(const std::string& doc) {
        std::vector<std::string> kinds;
        for (const auto& note : Notes(doc))
            kinds.push_back(note["kind"]);
        return kinds;
    }
    static std::string ProofText(const std::string& doc, const std::string& name) {
        return ReviewedProof::ProofText(doc, dir / name);
    }
    // The text with its lines joined where they wrapped (the composer keeps the blank at a wrap).
    static std::string Unwrapped(std::string text) {
        for (size_t at = text.find(" \n"); at != std::string::npos; at = text.find(" \n", at))
            text.replace(at, 2, " ");
        return text;
    }
    static size_t LineOf(const std::string& text, const std::string& word) {
        const std::string before = text.substr(0, text.find(word));
        return static_cast<size_t>(std::count(before.begin(), before.end(), '\n'));
    }
    static std::string Copy(const std::string& name) {
        const fs::path copy = dir / name;
        fs::copy_file(imported, copy, fs::copy_options::overwrite_existing);
        return copy.string();
    }
    static std::string Replaced(std::string text, const std::string& from, const std::string& to) {
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    }

    static inline fs::path dir;
    static inline std::string imported;
    static inline std::map<std::string, std::string> ids;
};

TEST_F(TextEditsVerbTest, AcceptingAllEditsGivesTheNextProofTheOldTextWithExactlyThoseEditsReflowed) {
    const std::string doc = Copy("accepted.phd");
    const std::string before = ProofText(imported, "before.pdf");
    const PagehostRun run = RunPagehost({"accept", doc, "--all-edits"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Accepted 3 of 3 text edits.\n");
    EXPECT_EQ(Kinds(doc), std::vector<std::string>{"highlight"});

    const std::string after = ProofText(doc, "after.pdf");
    std::string expected = Replaced(Unwrapped(before), "quick", "");
    expected = Replaced(expected, "lazy", "very lazy");
    expected = Replaced(expected, "keeps", kReplacement);
    EXPECT_EQ(Unwrapped(after), expected);
    // The longer text wraps anew: the words after the edits stand on later lines than before.
    EXPECT_GT(LineOf(after, "Closing"), LineOf(before, "Closing"));
    EXPECT_GT(LineOf(after, "hills"), LineOf(before, "hills"));
}

TEST_F(TextEditsVerbTest, RejectingAllEditsKeepsTheTextAndRemovesTheMarkupsIntoTheOutput) {
    const std::string before = TestSupport::ReadFile(imported);
    const std::string out = (dir / "rejected.phd").string();
    const PagehostRun run = RunPagehost({"reject", imported, "--all-edits", "--out", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Rejected 3 of 3 text edits.\n");
    EXPECT_EQ(TestSupport::ReadFile(imported), before) << "--out leaves the document itself alone";
    EXPECT_EQ(Kinds(out), std::vector<std::string>{"highlight"});
    EXPECT_EQ(ProofText(out, "rejected.pdf"), ProofText(imported, "unrejected.pdf"));
}

TEST_F(TextEditsVerbTest, AcceptingByIdSettlesOnlyThatEdit) {
    const std::string doc = Copy("one.phd");
    const PagehostRun run = RunPagehost({"accept", doc, ids["insertion"]});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Kinds(doc), (std::vector<std::string>{"strike-through", "replacement", "highlight"}));
    EXPECT_NE(Unwrapped(ProofText(doc, "one.pdf")).find("the very lazy dog and keeps"), std::string::npos);
}

TEST_F(TextEditsVerbTest, WithKeepHighlightARejectedEditLeavesItsNotedHighlight) {
    const std::string doc = Copy("kept.phd");
    const PagehostRun run = RunPagehost({"reject", doc, ids["replacement"], "--keep-highlight"});
    ASSERT_EQ(run.status, 0) << run.err;
    bool found = false;
    for (const auto& note : Notes(doc))
        if (note["kind"] == "highlight" &&
            note["content"] == std::string("Rejected text:  \"") + kReplacement + "\"") {
            found = true;
            EXPECT_EQ(note["text"], "keeps");
        }
    EXPECT_TRUE(found);
}

TEST_F(TextEditsVerbTest, IdsThatNameNoTextEditAreRefusedAndLeaveTheDocumentByteForByte) {
    const std::string before = TestSupport::ReadFile(imported);
    const std::vector<std::vector<std::string>> refused = {
        {"accept", imported, "99999"},
        {"accept", imported, ids["strike-through"], "99999"},
        {"reject", imported, ids["highlight"]},
        {"accept", imported, "--", "-4"},
        {"reject", imported},
        {"accept", imported, "--all-edits", "--out", imported},
    };
    for (const auto& arguments : refused) {
        const PagehostRun run = RunPagehost(arguments);
        EXPECT_NE(run.status, 0) << arguments.size();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(TestSupport::ReadFile(imported), before) << run.err;
    }
    EXPECT_NE(RunPagehost({"reject", imported, ids["highlight"]}).err.find("not a text edit"),
              std::string::npos);
    EXPECT_NE(RunPagehost({"accept", imported, "99999"}).err.find("99999 names no annotation"),
              std::string::npos);
}
TEST_F(TextEditsVerbTest, AReplacementHoldingAnotherEditsEndWarnsOnceAndWaitsWhileTheOtherIsAccepted) {
    const std::string doc = Reviewed("same-text", R"([
      {"page": 0, "kind": "Redact", "search": "keeps running", "overlay_text": "walks"},
      {"page": 0, "kind": "StrikeOut", "search": "keeps"}])");
    const PagehostRun both = RunPagehost({"accept", doc, "--all-edits"});
    ASSERT_EQ(both.status, 0) << both.err;
    EXPECT_EQ(both.out, "Accepted 1 of 2 text edits.\n");
    EXPECT_EQ(both.err, "pagehost: warning: It can't accept redactions, that are anchored to the same text. "
                        "Please accept their separately.\n");
    EXPECT_EQ(Kinds(doc), std::vector<std::string>{"replacement"});

    const PagehostRun alone = RunPagehost({"accept", doc, "--all-edits"});
    ASSERT_EQ(alone.status, 0) << alone.err;
    EXPECT_EQ(alone.out, "Accepted 1 of 1 text edits.\n");
    EXPECT_EQ(alone.err, "");
    EXPECT_TRUE(Kinds(doc).empty());
    EXPECT_NE(Unwrapped(ProofText(doc, "same-text-after.pdf")).find("dog and walks far"), std::string::npos);
}
} // namespace
