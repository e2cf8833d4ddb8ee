// Replacements end to end: the document's own proof is marked with PyMuPDF as reviewers' tools
// write text edits: a lone strike-out, a caret with the note "very ", a replacement as a replace
// tool writes it (a strike-out that names its caret through IRT with RT /Group, the caret right
// after the struck word carrying the new text), a strike-out and caret with no link but the
// caret right after the struck word, a linked pair far apart, a strike-out and caret of two
// different reviewers, and pairs of two reviewers linked by IRT or by one popup. The import joins
// exactly the pairs that belong together.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include <nlohmann/json.hpp>

#include "PagehostRun.h"
#include "ReviewedProof.h"
#include "TestSupport.h"

namespace {
constexpr const char* kLayout = R"({
  "pageSize": {"width": 612, "height": 792},
  "spreads": [{"pages": [{}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 540, 300], "story": "s"}],
  "stories": [{"id": "s", "paragraphs": ["Harbour lights gleam over the quiet water tonight",
                                         "Second line here"]}]
})";

// Comment numbers matter: in_reply_to names the comment at that place of the list.
constexpr const char* kComments = R"([
  {"page": 0, "kind": "StrikeOut", "search": "tonight", "contents": "struck"},
  {"page": 0, "kind": "Caret", "before": "quiet", "contents": "very "},
  {"page": 0, "kind": "StrikeOut", "search": "gleam", "in_reply_to": 3, "raw": {"RT": "/Group"},
   "popup": true},
  {"page": 0, "kind": "Caret", "after": "gleam", "contents": "shine", "popup": true},
  {"page": 0, "kind": "StrikeOut", "search": "lights", "author": "Ann"},
  {"page": 0, "kind": "Caret", "after": "lights", "contents": "beams", "author": "Ann"},
  {"page": 0, "kind": "StrikeOut", "search": "Harbour", "in_reply_to": 7, "contents": "far strike"},
  {"page": 0, "kind": "Caret", "before": "Second", "contents": "far caret"},
  {"page": 0, "kind": "StrikeOut", "search": "water", "author": "Ann", "contents": "Ann strikes"},
  {"page": 0, "kind": "Caret", "after": "water", "author": "Bob", "contents": "Bob inserts"},
  {"page": 0, "kind": "Caret", "after": "the", "author": "Bob", "contents": "thy"},
  {"page": 0, "kind": "StrikeOut", "search": "the", "author": "Ann", "in_reply_to": 10},
  {"page": 0, "kind": "StrikeOut", "search": "over", "author": "Ann", "popup": true},
  {"page": 0, "kind": "Caret", "after": "over", "author": "Bob", "contents": "above",
   "raw": {"Popup": "{popup:12}"}}
])";

struct Note {
    std::string kind, text, author;
};

class ReplacementImportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = TestSupport::MakeTempDir("replacement-import");
        doc = ReviewedProof::Make(dir, kLayout, kComments);
        const PagehostRun imported = RunPagehost({"import", doc, (dir / "reviewed.pdf").string()});
        ASSERT_EQ(imported.status, 0) << imported.err;
        importErrors = imported.err;
        const PagehostRun listed = RunPagehost({"notes", doc, "--json"});
        ASSERT_EQ(listed.status, 0);
        for (const auto& page : nlohmann::json::parse(listed.out))
            for (const auto& note : page["notes"])
                notes.emplace(
                    note["content"].get<std::string>(),
                    Note{note["kind"], note.value("text", std::string("<no text>")), note["author"]});
    }

    static void ExpectNote(const std::string& content, const std::string& kind, const std::string& text) {
        ASSERT_EQ(notes.count(content), 1u) << content << " is not listed once; " << importErrors;
        const Note& note = notes.find(content)->second;
        EXPECT_EQ(note.kind, kind) << content;
        EXPECT_EQ(note.text, text) << content;
    }

    static inline std::filesystem::path dir;
    static inline std::string doc;
    static inline std::string importErrors;
    static inline std::multimap<std::string, Note> notes;
};

TEST_F(ReplacementImportTest, AStrikeOutAndACaretAloneStayWhatTheyAre) {
    ExpectNote("struck", "strike-through", "tonight");
    ExpectNote("very ", "insertion", "q");
}

TEST_F(ReplacementImportTest, AReplaceToolsLinkedPairBecomesOneReplacementWithTheCaretsText) {
    ExpectNote("shine", "replacement", "gleam");
}

TEST_F(ReplacementImportTest, ALinkJoinsAPairThatPositionAloneWouldNotForItsTwoAuthors) {
    ExpectNote("thy", "replacement", "the");
}

TEST_F(ReplacementImportTest, APopupSharedByAStrikeOutAndACaretLinksThem) {
    ExpectNote("above", "replacement", "over");
}

TEST_F(ReplacementImportTest, AnUnlinkedCaretRightAfterTheStruckWordJoinsItByPosition) {
    ExpectNote("beams", "replacement", "lights");
    EXPECT_EQ(notes.find("beams")->second.author, "Ann");
}

TEST_F(ReplacementImportTest, ALinkedPairFarApartStaysAsTwo) {
    ExpectNote("far strike", "strike-through", "Harbour");
    ExpectNote("far caret", "insertion", "S");
}

TEST_F(ReplacementImportTest, ACaretOfAnotherReviewerDoesNotJoinAStrikeOut) {
    ExpectNote("Ann strikes", "strike-through", "water");
    ExpectNote("Bob inserts", "insertion", " ");
}

TEST_F(ReplacementImportTest, NoStrikeOutOrCaretOfAJoinedPairIsLeftBehind) {
    std::map<std::string, int> kinds;
    for (const auto& [content, note] : notes)
        ++kinds[note.kind];
    EXPECT_EQ(kinds["replacement"], 4);
    EXPECT_EQ(kinds["strike-through"], 3);
    EXPECT_EQ(kinds["insertion"], 3);
    EXPECT_EQ(notes.size(), 10u);
}
} // namespace
