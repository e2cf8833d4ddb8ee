// The verbs that make and take away annotations, end to end through pagehost: `mark` of every kind
// lands on exactly the characters asked for with its note, `remove` deletes the annotations named,
// `clear` leaves no annotation and no annotation swatch; each refusal (a bad kind, a range outside
// the story, an unknown story or annotation id) is one sentence, a non-zero exit and a document
// left byte for byte as it was. `select` reports the notes the selected text carries and acts on
// the selection; `menu` runs the Clear All Annotations item, with or without a document.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include <nlohmann/json.hpp>

#include "PagehostRun.h"
#include "PdfFixtureFiles.h"
#include "ReviewedProof.h"
#include "TestSupport.h"

namespace {
// Story text: "Harbour lights gleam over the quiet water tonight\rSecond line here\r".
constexpr const char* kLayout = R"({
  "pageSize": {"width": 612, "height": 792},
  "spreads": [{"pages": [{}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 540, 300], "story": "s"}],
  "stories": [{"id": "s", "paragraphs": ["Harbour lights gleam over the quiet water tonight",
                                         "Second line here"]}]
})";

class AnnotationVerbsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = TestSupport::MakeTempDir("annotation-verbs");
        std::ofstream(dir / "layout.json") << kLayout;
        doc = (dir / "doc.phd").string();
        ASSERT_EQ(RunPagehost({"new", (dir / "layout.json").string(), doc}).status, 0);
        const PagehostRun info = RunPagehost({"info", doc});
        std::smatch match;
        ASSERT_TRUE(std::regex_search(info.out, match, std::regex(R"(Story (\d+):)"))) << info.out;
        story = match[1];
    }

    PagehostRun Mark(const std::string& kind, const std::string& range, const std::string& note = "") {
        std::vector<std::string> args = {"mark", doc, kind, "--story", story, "--range", range};
        if (!note.empty())
            args.insert(args.end(), {"--note", note});
        return RunPagehost(args);
    }
    nlohmann::json Notes(const std::string& file) const { return ReviewedProof::AllNotes(file); }
    nlohmann::json NoteWithId(const std::string& id) const {
        for (const auto& note : Notes(doc))
            if (std::to_string(note["id"].get<int>()) == id)
                return note;
        return nlohmann::json();
    }
    // A refusal: non-zero, one line on standard error, the document's bytes kept.
    void ExpectRefused(const std::vector<std::string>& args, const std::string& says) const {
        const std::string before = TestSupport::ReadFile(doc);
        const PagehostRun run = RunPagehost(args);
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(TestSupport::ReadFile(doc) == before) << "the document changed";
    }
    static std::string Id(const PagehostRun& run) {
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out.substr(0, run.out.find('\n'));
    }

    std::filesystem::path dir;
    std::string doc;
    std::string story;
};

TEST_F(AnnotationVerbsTest, MarkOfEachKindLandsOnTheCharactersAskedForWithItsNote) {
    struct Case {
        std::string kind, range, note, listed, text;
        int start, end;
    };
    const std::vector<Case> cases = {
        {"highlight", "8:14", "look", "highlight", "lights", 8, 14},
        {"underline", "15:20", "", "underline", "gleam", 15, 20},
        {"squiggly", "21:29", "two words", "squiggly underline", "over the", 21, 29},
        {"strikeout", "42:49", "cut", "strike-through", "tonight", 42, 49},
        {"caret", "30:30", "very ", "insertion", "q", 30, 31},
        {"replace", "36:41", "sea", "replacement", "water", 36, 41},
        {"highlight", "45:56", "over a return", "highlight", "ight\rSecond", 45, 56},
    };
    for (const Case& c : cases) {
        const std::string id = Id(Mark(c.kind, c.range, c.note));
        const nlohmann::json note = NoteWithId(id);
        ASSERT_FALSE(note.is_null()) << c.kind << " " << id;
        EXPECT_EQ(note["kind"], c.listed);
        EXPECT_EQ(note["text"], c.text) << c.kind;
        EXPECT_EQ(note["content"], c.note) << c.kind;
        EXPECT_EQ(note["range"], nlohmann::json::array({c.start, c.end})) << c.kind;
        EXPECT_EQ(std::to_string(note["story"].get<int>()), story);
        EXPECT_EQ(note["page"], "Page 1");
    }
    EXPECT_EQ(Notes(doc).size(), cases.size());
}

TEST_F(AnnotationVerbsTest, ACaretBeforeAParagraphReturnMarksTheCharacterBeforeIt) {
    const nlohmann::json note = NoteWithId(Id(Mark("caret", "49:49", "!")));
    EXPECT_EQ(note["text"], "t");
}

TEST_F(AnnotationVerbsTest, MarkRefusesWhatIsNotThereAndKeepsTheDocument) {
    ExpectRefused({"mark", doc, "highlight", "--story", story, "--range", "60:70"}, "outside story");
    ExpectRefused({"mark", doc, "highlight", "--story", story, "--range", "9:4"}, "outside story");
    ExpectRefused({"mark", doc, "bold", "--story", story, "--range", "1:4"}, "The kind bold");
    ExpectRefused({"mark", doc, "highlight", "--story", "99999", "--range", "1:4"}, "names no story");
    ExpectRefused({"mark", doc, "highlight", "--story", story, "--range", "1-4"}, "START:END");
    ExpectRefused({"mark", doc, "underline", "--story", story, "--range", "5:5"}, "No underline");
}

TEST_F(AnnotationVerbsTest, TheSameMarkTwiceIsRefusedTheSecondTime) {
    Id(Mark("highlight", "8:14"));
    ExpectRefused({"mark", doc, "highlight", "--story", story, "--range", "8:14"}, "already marked");
    // Another kind over the same characters is welcome.
    Id(Mark("underline", "8:14"));
    EXPECT_EQ(Notes(doc).size(), 2u);
}

TEST_F(AnnotationVerbsTest, MarkWithOutWritesTheNewDocumentAndLeavesTheOldOne) {
    const std::string before = TestSupport::ReadFile(doc);
    const std::string out = (dir / "marked.phd").string();
    const PagehostRun run =
        RunPagehost({"mark", doc, "highlight", "--story", story, "--range", "8:14", "--out", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(TestSupport::ReadFile(doc) == before);
    EXPECT_EQ(Notes(out).size(), 1u);
}

TEST_F(AnnotationVerbsTest, RemoveDeletesTheNamedAnnotationsOnly) {
    const std::string first = Id(Mark("highlight", "8:14"));
    const std::string second = Id(Mark("strikeout", "42:49"));
    const std::string third = Id(Mark("caret", "30:30", "very "));
    const PagehostRun run = RunPagehost({"remove", doc, first, third, first});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json left = Notes(doc);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(std::to_string(left[0]["id"].get<int>()), second);
    // The characters can be marked again: no marker of the removed highlight stayed behind.
    Id(Mark("highlight", "8:14"));
}

TEST_F(AnnotationVerbsTest, RemoveRefusesAnUnknownIdAndRemovesNothing) {
    const std::string first = Id(Mark("highlight", "8:14"));
    ExpectRefused({"remove", doc, first, "4000000"}, "The id 4000000 names no annotation");
    ExpectRefused({"remove", doc, story}, "names no annotation");
    ExpectRefused({"remove", doc, "-3"}, "names no annotation");
    EXPECT_EQ(Notes(doc).size(), 1u);
}

TEST_F(AnnotationVerbsTest, ClearLeavesNoAnnotationAndNoAnnotationSwatch) {
    Id(Mark("highlight", "8:14", "look"));
    Id(Mark("replace", "36:41", "sea"));
    // Sticky notes with popups and markups of other colours from an imported proof go too.
    ASSERT_EQ(RunPagehost({"export-pdf", doc, (dir / "proof.pdf").string()}).status, 0);
    std::ofstream(dir / "comments.json") << R"([
      {"page": 0, "kind": "Text", "near": "quiet", "contents": "a note"},
      {"page": 0, "kind": "Text", "near": "gleam", "contents": "another", "popup": true},
      {"page": 0, "kind": "Underline", "search": "Second", "stroke": [0.1, 0.2, 0.9]}
    ])";
    PdfFixtureFiles::run(
        "/usr/bin/python3 " + PdfFixtureFiles::quoted(TestSupport::SourceDir() / "tools/annotate_pdf.py") +
        " " + PdfFixtureFiles::quoted(dir / "proof.pdf") + " " +
        PdfFixtureFiles::quoted(dir / "comments.json") + " " + PdfFixtureFiles::quoted(dir / "reviewed.pdf"));
    ASSERT_EQ(RunPagehost({"import", doc, (dir / "reviewed.pdf").string()}).status, 0);
    ASSERT_EQ(Notes(doc).size(), 5u);
    ASSERT_NE(RunPagehost({"info", doc}).out.find("Annotation Color"), std::string::npos);

    const PagehostRun run = RunPagehost({"clear", doc});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Notes(doc).empty());
    const std::string info = RunPagehost({"info", doc}).out;
    EXPECT_EQ(info.find("Annotation Color"), std::string::npos) << info;
    // Marking works again on the cleared document.
    Id(Mark("highlight", "8:14"));
}

TEST_F(AnnotationVerbsTest, ClearOfADocumentWithoutAnnotationsSucceeds) {
    const PagehostRun run = RunPagehost({"clear", doc});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Notes(doc).empty());
}
TEST_F(AnnotationVerbsTest, SelectReportsTheNotesOfTheSelectedTextAndMarksFromTheSelection) {
    const std::string highlight = Id(Mark("highlight", "8:14", "look"));
    const PagehostRun inside = RunPagehost({"select", doc, "--story", story, "--range", "10:10"});
    ASSERT_EQ(inside.status, 0) << inside.err;
    EXPECT_EQ(inside.out, "selected " + highlight + " highlight\n");

    const PagehostRun marked =
        RunPagehost({"select", doc, "--story", story, "--range", "15:20", "--then", "mark-underline"});
    ASSERT_EQ(marked.status, 0) << marked.err;
    std::smatch made;
    ASSERT_TRUE(std::regex_search(marked.out, made, std::regex(R"(made (\d+) underline)"))) << marked.out;
    EXPECT_EQ(NoteWithId(made[1])["text"], "gleam");
    const PagehostRun caret =
        RunPagehost({"select", doc, "--story", story, "--range", "30:30", "--then", "mark-caret"});
    ASSERT_EQ(caret.status, 0) << caret.err;
    EXPECT_EQ(Notes(doc).size(), 3u);
}

TEST_F(AnnotationVerbsTest, SelectThenAcceptRejectOrRemoveActsOnTheSelectedMarkups) {
    Id(Mark("strikeout", "42:49", "cut"));
    ASSERT_EQ(RunPagehost({"select", doc, "--story", story, "--range", "43:44", "--then", "reject"}).status,
              0);
    EXPECT_TRUE(Notes(doc).empty());
    EXPECT_EQ(NoteWithId(Id(Mark("highlight", "42:49")))["text"], "tonight")
        << "a rejected edit keeps the text";

    Id(Mark("strikeout", "36:41", "cut"));
    const PagehostRun accepted =
        RunPagehost({"select", doc, "--story", story, "--range", "36:41", "--then", "accept"});
    ASSERT_EQ(accepted.status, 0) << accepted.err;
    const nlohmann::json left = Notes(doc);
    ASSERT_EQ(left.size(), 1u) << "the accepted strike-through went, the highlight stayed";
    EXPECT_EQ(left[0]["text"], "tonight");
    EXPECT_EQ(left[0]["range"], nlohmann::json::array({37, 44})) << "the struck word left the text";

    ASSERT_EQ(RunPagehost({"select", doc, "--story", story, "--range", "38:39", "--then", "remove"}).status,
              0);
    EXPECT_TRUE(Notes(doc).empty());
}

TEST_F(AnnotationVerbsTest, SelectRefusesWhatCannotBeSelectedOrDoneAndKeepsTheDocument) {
    Id(Mark("highlight", "8:14"));
    ExpectRefused({"select", doc, "--story", story, "--range", "60:70"}, "outside story");
    ExpectRefused({"select", doc, "--item", "4000000"}, "The id 4000000 names nothing");
    ExpectRefused({"select", doc, "--item", story}, "not all page items");
    ExpectRefused({"select", doc, "--story", story, "--range", "8:14", "--then", "bold"}, "The action bold");
    ExpectRefused({"select", doc, "--story", story, "--range", "8:14", "--then", "accept"}, "no text edit");
    ExpectRefused({"select", doc, "--story", story, "--range", "1:3", "--then", "remove"}, "no annotation");
    ExpectRefused({"select", doc, "--story", story, "--range", "1:3", "--then", "mark-caret"},
                  "insertion point");
    ExpectRefused({"select", doc}, "Say what to select");
}

TEST_F(AnnotationVerbsTest, TheClearAllMenuItemClearsTheDocumentAndWithoutOneDoesNothing) {
    Id(Mark("highlight", "8:14", "look"));
    const PagehostRun none = RunPagehost({"menu", "Clear All Annotations"});
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_NE(none.out.find("No document is open"), std::string::npos) << none.out;
    ExpectRefused({"menu", doc, "Clear Everything"}, "No menu item is shown as Clear Everything");

    const PagehostRun run = RunPagehost({"menu", doc, "Main:Type:Annotations:Clear All Annotations"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Notes(doc).empty());
    EXPECT_EQ(RunPagehost({"info", doc}).out.find("Highlight Annotation Color"), std::string::npos);
}
} // namespace
