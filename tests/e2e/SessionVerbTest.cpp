// pagehost session end to end: on a proof commented by PyMuPDF and imported, a script steps to the
// sticky note, types a reply into the note box, turns jump-to-next on, steps to the first text edit
// and clicks accept: the panel shows the edit gone and the next edit selected, the saved document
// holds the reply and the changed text, and undo in the same session brings each step back. A script
// with a line that is no gesture, or a gesture that cannot be made, leaves the document byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "PagehostRun.h"
#include "ReviewedProof.h"
#include "TestSupport.h"

namespace {
namespace fs = std::filesystem;

constexpr const char* kLayout = R"({
  "pageSize": {"width": 612, "height": 792},
  "spreads": [{"pages": [{}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 540, 400], "story": "s"}],
  "stories": [{"id": "s", "paragraphs": ["Harbour quick brown fox jumps over the lazy dog"]}]
})";

constexpr const char* kComments = R"([
  {"page": 0, "kind": "Text", "near": "Harbour", "contents": "Check this line",
   "author": "Maren Holt", "date": "D:20261130101500Z"},
  {"page": 0, "kind": "StrikeOut", "search": "quick", "author": "Jonas Berg"},
  {"page": 0, "kind": "Caret", "before": "lazy", "contents": "very ", "author": "Jonas Berg"}
])";

constexpr const char* kSettle = "next\n"
                                "type  Reply\n"
                                "action Jump to Next Text Edit\n"
                                "next-edit\n"
                                "click-accept\n"
                                "print\n";

class SessionVerbTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = TestSupport::MakeTempDir("session-verb");
        imported = ReviewedProof::Make(dir, kLayout, kComments);
        const PagehostRun run = RunPagehost({"import", imported, (dir / "reviewed.pdf").string()});
        ASSERT_EQ(run.status, 0) << run.err;
    }
    static std::string Copy(const std::string& name) {
        const fs::path copy = dir / name;
        fs::copy_file(imported, copy, fs::copy_options::overwrite_existing);
        return copy.string();
    }
    static PagehostRun Session(const std::string& doc, const std::string& script) {
        const fs::path file = dir / (fs::path(doc).stem().string() + ".script");
        std::ofstream(file) << script;
        return RunPagehost({"session", doc, file.string()});
    }
    // Each note's kind and text, in the panel's order.
    static std::vector<std::string> Notes(const std::string& doc) {
        std::vector<std::string> notes;
        for (const auto& note : ReviewedProof::AllNotes(doc))
            notes.push_back(note["kind"].get<std::string>() + ": " + note["content"].get<std::string>());
        return notes;
    }
    static std::string ProofText(const std::string& doc) {
        return ReviewedProof::ProofText(doc, dir / (fs::path(doc).stem().string() + ".pdf"));
    }
    // The note rows of the first page the panel printed, which a session's print starts with.
    static int NoteRows(const std::string& printed) {
        std::istringstream in(printed.substr(printed.find("Page 1\n")));
        std::string line;
        std::getline(in, line);
        int rows = 0;
        while (std::getline(in, line) && line.rfind("  ", 0) == 0)
            ++rows;
        return rows;
    }
    static inline fs::path dir;
    static inline std::string imported;
};
} // namespace

TEST_F(SessionVerbTest, ATypedReplyAndAnAcceptedEditAreSavedAndThePanelMovesOnToTheNextEdit) {
    const std::vector<std::string> before = Notes(imported);
    ASSERT_EQ(before, (std::vector<std::string>{"sticky note: Check this line",
                                                "strike-through: ", "insertion: very "}));
    const std::string doc = Copy("settled.phd");
    const PagehostRun run = Session(doc, kSettle);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("selected: very"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("checked: Hide All Popups, Jump to Next Text Edit"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("accept: enabled, reject: enabled"), std::string::npos)
        << "the caret is a text edit";

    EXPECT_EQ(Notes(doc),
              (std::vector<std::string>{"sticky note: Check this line Reply", "insertion: very "}));
    const std::string text = ProofText(doc);
    EXPECT_EQ(text.find("quick"), std::string::npos) << text;
    EXPECT_NE(text.find("Harbour  brown"), std::string::npos) << text;
}

TEST_F(SessionVerbTest, UndoInTheSameSessionBringsBackTheEditAndThenTheNoteText) {
    const std::string doc = Copy("undone.phd");
    const PagehostRun run = Session(doc, std::string(kSettle) + "undo\nprint\nundo\nprint\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const size_t firstUndo = run.out.find("undone: ");
    const size_t secondUndo = run.out.find("undone: ", firstUndo + 1);
    ASSERT_NE(secondUndo, std::string::npos) << run.out;
    EXPECT_EQ(NoteRows(run.out.substr(0, firstUndo)), 2) << "the accepted edit left the tree";
    EXPECT_EQ(NoteRows(run.out.substr(firstUndo, secondUndo - firstUndo)), 3)
        << "the first undo brings it back";
    EXPECT_EQ(run.out.substr(secondUndo, run.out.find('\n', secondUndo) - secondUndo), "undone: Save Note");
    // Six keys typed, one undo step: the second undo leaves the note as it was imported.
    EXPECT_EQ(Notes(doc), Notes(imported));
    EXPECT_NE(ProofText(doc).find("quick"), std::string::npos);
}

TEST_F(SessionVerbTest, ANewNoteClickedOnThePageTakesTheTypedText) {
    const std::string doc = Copy("new-note.phd");
    const PagehostRun run = Session(doc, "new-note 300 500\ntype Added by hand\nprint\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("selected: Added by hand"), std::string::npos) << run.out;
    const std::vector<std::string> notes = Notes(doc);
    EXPECT_EQ(notes.size(), 4u);
    EXPECT_NE(std::find(notes.begin(), notes.end(), "sticky note: Added by hand"), notes.end());
}

TEST_F(SessionVerbTest, ABadScriptOrAGestureThatCannotBeMadeLeavesTheDocumentByteForByte) {
    const std::string doc = Copy("refused.phd");
    const std::string original = TestSupport::ReadFile(doc);
    const struct {
        const char* script;
        const char* says;
    } cases[] = {
        {"next\nfly away\n", "Line 2 of the script names no gesture: \"fly\"."},
        {"type\n", "Line 1 of the script gives type nothing to work on."},
        {"answer maybe\n", "answers \"maybe\"; the answers are yes and no."},
        {"discard\nnext\n", "discards the session, so it must be the last gesture."},
        {"next\ntype  Reply\nclick-remove\nclick-accept\n",
         "Line 4 (click-accept): The accept button is not"},
        {"select-node 9.9\n", "The Notes tree has no node 9.9."},
        {"undo\n", "There is nothing to undo."},
        {"action Fly Away\n", "No menu shows an action named \"Fly Away\"."},
        {"select-text 999999 0 4\n", "999999"},
        {"next\ntype  Reply\ndiscard\n", ""},
    };
    for (const auto& c : cases) {
        const PagehostRun run = Session(doc, c.script);
        if (*c.says) {
            EXPECT_EQ(run.status, 1) << c.script;
            EXPECT_NE(run.err.find(c.says), std::string::npos) << c.script << run.err;
        } else {
            EXPECT_EQ(run.status, 0) << run.err;
        }
        EXPECT_EQ(TestSupport::ReadFile(doc), original) << c.script;
    }
}
