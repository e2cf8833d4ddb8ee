// Text markups end to end: a document's proof is marked with PyMuPDF at the words search_for finds
// in it (highlight, underline, squiggly, strike-out, carets and a replacement as PyMuPDF writes it),
// imported, and `pagehost notes --json` gives exactly the marked words: one word, two words of a
// line, a run over a line break, over two threaded frames and over two columns, a word of a table
// cell, a caret before a word and one before a paragraph return. `pagehost render` draws the band
// under a highlighted word and the line through a struck one; the exported proof shows neither.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "PagePixels.h"
#include "PagehostRun.h"
#include "ProofWords.h"
#include "ReviewedProof.h"
#include "TestSupport.h"
#include "host/graphics/PngImage.h"

namespace {
// Page 1: story s (its first line ends after "over the"), a two-column frame of story c and a
// table story; page 2: story t through two threaded frames, the first one line high.
constexpr const char* kLayout = R"({
  "pageSize": {"width": 612, "height": 792},
  "spreads": [{"pages": [{}]}, {"pages": [{}, {}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 300, 200], "story": "s"},
                 {"page": 1, "bounds": [72, 220, 540, 240], "story": "c", "columns": 2, "gutter": 12},
                 {"page": 1, "bounds": [72, 260, 540, 400], "story": "table"},
                 {"page": 2, "bounds": [72, 72, 300, 90], "story": "t"},
                 {"page": 2, "bounds": [310, 72, 540, 200], "story": "t"}],
  "stories": [{"id": "s", "paragraphs": ["Harbour quick brown fox jumps over the lazy dog and keeps running",
                                         "Closing words here"]},
              {"id": "c", "paragraphs": ["Cedar bark", "Willow leaf"]},
              {"id": "table", "paragraphs": ["Ledger", {"table": {"columnWidths": [100, 100], "rowHeights": [30],
                 "cells": [["Quince", "Rowan"]]}}]},
              {"id": "t", "paragraphs": ["Lantern glow", "Meadow path"]}]
})";

constexpr const char* kComments = R"([
  {"page": 0, "kind": "Highlight", "search": "Harbour", "contents": "one word"},
  {"page": 0, "kind": "Underline", "search": "quick brown", "contents": "two words"},
  {"page": 0, "kind": "Highlight", "search": "over the lazy", "phrase": true, "contents": "line break"},
  {"page": 0, "kind": "Squiggly", "words": ["bark", "Willow"], "contents": "two columns"},
  {"page": 0, "kind": "Squiggly", "search": "Rowan", "contents": "table cell"},
  {"page": 0, "kind": "StrikeOut", "search": "running", "contents": "struck"},
  {"page": 0, "kind": "Caret", "before": "fox", "contents": "caret before a word"},
  {"page": 0, "kind": "Caret", "after": "here", "contents": "caret before a return"},
  {"page": 0, "kind": "Redact", "search": "keeps", "overlay_text": "goes", "contents": "replacement"},
  {"page": 1, "kind": "Underline", "words": ["glow", "Meadow"], "contents": "two frames"}
])";

struct Note {
    std::string kind, text, page;
};

class TextMarkupImportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = TestSupport::MakeTempDir("text-markup-import");
        doc = ReviewedProof::Make(dir, kLayout, kComments);
        const PagehostRun imported = RunPagehost({"import", doc, (dir / "reviewed.pdf").string()});
        ASSERT_EQ(imported.status, 0) << imported.err;
        importErrors = imported.err;
        const PagehostRun listed = RunPagehost({"notes", doc, "--json"});
        ASSERT_EQ(listed.status, 0);
        for (const auto& page : nlohmann::json::parse(listed.out))
            for (const auto& note : page["notes"])
                notes[note["content"].get<std::string>()] =
                    Note{note["kind"], note.value("text", std::string("<no text>")), note["page"]};
    }

    static uint32 Rendered(const PngImage& png, double x, double y) {
        return PagePixels::Rendered(png, x, y);
    }
    static uint32 InPdf(const std::filesystem::path& pdf, double x, double y) {
        return PagePixels::InPdf(pdf, 0, {PMPoint(x, y)})[0];
    }
    static bool IsYellow(uint32 rgb) {
        return (rgb >> 16) > 0xC0 && ((rgb >> 8) & 0xFF) > 0xC0 && (rgb & 0xFF) < 0x60;
    }
    static bool IsRed(uint32 rgb) {
        return (rgb >> 16) > 0xB0 && ((rgb >> 8) & 0xFF) < 0x60 && (rgb & 0xFF) < 0x60;
    }

    static inline std::filesystem::path dir;
    static inline std::string doc;
    static inline std::string importErrors;
    static inline std::map<std::string, Note> notes;
};

TEST_F(TextMarkupImportTest, EachMarkupMarksExactlyTheWordsItWasMadeOver) {
    const std::map<std::string, Note> expected = {
        {"one word", {"highlight", "Harbour", "Page 1"}},
        {"two words", {"underline", "quick brown", "Page 1"}},
        {"line break", {"highlight", "over the lazy", "Page 1"}},
        {"two columns", {"squiggly underline", "bark\rWillow", "Page 1"}},
        {"table cell", {"squiggly underline", "Rowan", "Page 1"}},
        {"struck", {"strike-through", "running", "Page 1"}},
        {"caret before a word", {"insertion", "f", "Page 1"}},
        {"caret before a return", {"insertion", "e", "Page 1"}},
        {"goes", {"replacement", "keeps", "Page 1"}},
        {"two frames", {"underline", "glow\rMeadow", "Page 2"}},
    };
    for (const auto& [content, want] : expected) {
        const auto found = notes.find(content);
        ASSERT_NE(found, notes.end()) << content << " was not imported; " << importErrors;
        EXPECT_EQ(found->second.kind, want.kind) << content;
        EXPECT_EQ(found->second.text, want.text) << content;
        EXPECT_EQ(found->second.page, want.page) << content;
    }
    EXPECT_EQ(notes.size(), expected.size());
}

TEST_F(TextMarkupImportTest, RenderDrawsTheBandAndTheStrikeLineAtTheirWordsAndExportDrawsNeither) {
    ASSERT_EQ(RunPagehost({"render", doc, "--page", "1", "--scale", "2", "--out", (dir / "p1.png").string()})
                  .status,
              0);
    const PngImage png = PngImage::Load((dir / "p1.png").string());
    const std::vector<double> harbour = ProofWordBox(dir / "proof.pdf", "Harbour");
    const std::vector<double> running = ProofWordBox(dir / "proof.pdf", "running");
    const double middle = (harbour[0] + harbour[2]) / 2;
    // Below the baseline and above the band's lower edge: no glyph of "Harbour" reaches there.
    const double underBaseline = harbour[1] + 11.9;
    EXPECT_TRUE(IsYellow(Rendered(png, middle, underBaseline)))
        << std::hex << Rendered(png, middle, underBaseline);
    EXPECT_FALSE(IsYellow(Rendered(png, harbour[2] + 30, underBaseline))) << "the band ends with the word";
    const double strike = running[1] + 14.4 * 3 / 5;
    EXPECT_TRUE(IsRed(Rendered(png, (running[0] + running[2]) / 2, strike)))
        << std::hex << Rendered(png, (running[0] + running[2]) / 2, strike);

    ASSERT_EQ(RunPagehost({"export-pdf", doc, (dir / "after.pdf").string()}).status, 0);
    EXPECT_FALSE(IsYellow(InPdf(dir / "after.pdf", middle, underBaseline)));
    EXPECT_FALSE(IsRed(InPdf(dir / "after.pdf", (running[0] + running[2]) / 2, strike)));
}
} // namespace
