// The proof round trip: a two-page document with threaded frames (one of two columns) and a
// table is built and exported by pagehost; PyMuPDF finds chosen words in the PDF, and the text
// position at the middle of each of their characters, taken back through the host, is that
// character's index (for words in table cells, an index of the cell's text in the same story).
// Degenerate text (frames too small for a line, empty stories) exports too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "PagehostRun.h"
#include "TestSupport.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IStoryList.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextStoryThread.h"
#include "host/util/UnicodeConversion.h"

namespace {
const char* const kLayout = R"({
  "spreads": [{"pages": [{}]}, {"pages": [{}]}],
  "items": [{"type": "rectangle", "page": 1, "bounds": [50, 50, 562, 260], "stroke": {"color": "Black"}}],
  "textFrames": [
    {"page": 1, "bounds": [72, 72, 540, 130], "story": "body"},
    {"page": 1, "bounds": [72, 150, 540, 250], "story": "body", "columns": 2, "gutter": 18},
    {"page": 2, "bounds": [100, 420, 330, 700], "story": "body", "inset": 6},
    {"page": 2, "bounds": [72, 72, 300, 76], "story": "tiny"},
    {"page": 2, "bounds": [320, 72, 540, 200], "story": "empty"}
  ],
  "stories": [
    {"id": "body", "paragraphs": [
      "Reviewers mark proofs where the words really are, so every glyph must stand exactly where the composer placed it.",
      "Pelicans glide over the harbour while the typesetter checks each line for widows and orphans before lunch.",
      "The second column continues with longer sentences about marmalade, quinces and apricots cooling on the sill.",
      "Finally the last frame on the second page holds the closing words about zeppelins and kingfishers.",
      {"table": {"columnWidths": [100, 110], "rowHeights": [50, 40],
                 "cells": [["Quillwort", "Bergamot leaves"], ["", "dry Xylographs"]]}}]},
    {"id": "tiny", "paragraphs": ["Nothing of this fits."]},
    {"id": "empty"}
  ]
})";

struct Found {
    std::string word;
    int character = -1; // for one character of the word
    int page = 0;
    PMRect pdfRect; // y upwards
};

struct ProofFacts {
    std::map<int, std::pair<PMRect, PMRect>> boxes; // page → MediaBox, TrimBox
    std::vector<Found> words;
};

ProofFacts ReadFacts(const std::string& output) {
    ProofFacts facts;
    std::istringstream lines(output);
    std::string kind;
    while (lines >> kind) {
        if (kind == "page") {
            int index = 0;
            std::string label;
            PMReal m[4], t[4];
            lines >> index >> label >> m[0] >> m[1] >> m[2] >> m[3] >> label >> t[0] >> t[1] >> t[2] >> t[3];
            facts.boxes[index] = {PMRect(m[0], m[1], m[2], m[3]), PMRect(t[0], t[1], t[2], t[3])};
        } else {
            Found found;
            std::string label;
            PMReal r[4];
            lines >> found.word;
            if (kind == "char")
                lines >> found.character;
            lines >> label >> found.page >> r[0] >> r[1] >> r[2] >> r[3];
            found.pdfRect = PMRect(r[0], r[1], r[2], r[3]);
            facts.words.push_back(found);
        }
    }
    return facts;
}

class ProofRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        fDir = TestSupport::MakeTempDir("proof");
        std::ofstream(fDir / "layout.json") << kLayout;
        const PagehostRun made = RunPagehost({"new", (fDir / "layout.json").string(), Doc()});
        ASSERT_EQ(made.status, 0) << made.err;
        const PagehostRun exported = RunPagehost({"export-pdf", Doc(), Proof()});
        ASSERT_EQ(exported.status, 0) << exported.err;
    }
    std::string Doc() const { return (fDir / "doc.pgdoc").string(); }
    std::string Proof() const { return (fDir / "proof.pdf").string(); }

    ProofFacts Find(const std::vector<std::string>& words) const {
        std::vector<std::string> args = {Proof()};
        args.insert(args.end(), words.begin(), words.end());
        int status = 0;
        const std::string output = TestSupport::RunPythonScript(
            TestSupport::SourceDir() / "tests/e2e/pdf_word_boxes.py", args, &status);
        EXPECT_EQ(status, 0);
        return ReadFacts(output);
    }

    std::filesystem::path fDir;
};

// The pasteboard point of a point on a PDF page (y upwards from the bottom edge).
PMPoint ToPasteboard(IDataBase* db, int page, const PMPoint& pdf) {
    InterfacePtr<IPageList> pages(
        ObjectModel::CheckedCast<IPageList>(db->Instantiate(db->GetRootUID(), IID_IPAGELIST)));
    const PMRect bounds =
        Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(db, pages->GetNthPageUID(page)));
    return PMPoint(bounds.Left() + pdf.X(), bounds.Top() + (bounds.Height() - pdf.Y()));
}

UIDRef SpreadOfPage(IDataBase* db, int page) {
    InterfacePtr<IPageList> pages(
        ObjectModel::CheckedCast<IPageList>(db->Instantiate(db->GetRootUID(), IID_IPAGELIST)));
    InterfacePtr<IHierarchy> hierarchy(
        ObjectModel::CheckedCast<IHierarchy>(db->Instantiate(pages->GetNthPageUID(page), IID_IHIERARCHY)));
    return UIDRef(db, hierarchy->GetSpreadUID());
}

TEST_F(ProofRoundTrip, EveryCharacterOfFoundWordsMapsBackToItsIndex) {
    // One word from each frame: the first frame, both columns of the second, and words of two
    // cells of the table, which is too high for what the second frame has left and so opens the
    // third frame, on the second page.
    const std::vector<std::string> words = {"composer",  "Pelicans",    "marmalade", "apricots",
                                            "zeppelins", "kingfishers", "Quillwort", "Xylographs"};
    const std::vector<std::string> inCells = {"Quillwort", "Xylographs"};
    const ProofFacts facts = Find(words);
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(Doc());
    ASSERT_EQ(opened.error, kSuccess) << opened.message;
    IDataBase* db = opened.document->GetDocumentDataBase();
    InterfacePtr<IStoryList> stories(
        ObjectModel::CheckedCast<IStoryList>(db->Instantiate(db->GetRootUID(), IID_ISTORYLIST)));
    const UID body = stories->GetNthStoryUID(0);
    InterfacePtr<ITextModel> model(
        ObjectModel::CheckedCast<ITextModel>(db->Instantiate(body, IID_ITEXTMODEL)));
    const std::u16string text = model->GetText(0, model->TotalLength()).GetUTF16();
    InterfacePtr<ITextStoryThread> primary(
        ObjectModel::CheckedCast<ITextStoryThread>(db->Instantiate(body, IID_ITEXTSTORYTHREAD)));
    for (const std::string& word : inCells)
        EXPECT_GE(static_cast<TextIndex>(text.find(Unicode::UTF8ToUTF16(word))), primary->GetTextEnd())
            << word << " lies in a cell's text, after the primary thread's";

    std::map<std::string, int> seen;
    std::map<std::string, int> characters;
    for (const Found& found : facts.words) {
        const std::u16string word = Unicode::UTF8ToUTF16(found.word);
        const TextIndex start = static_cast<TextIndex>(text.find(word));
        ASSERT_GE(start, 0);
        const IFrameUtils::TextHit hit = Utils<IFrameUtils>()->FindTextAtPoint(
            SpreadOfPage(db, found.page), ToPasteboard(db, found.page, found.pdfRect.GetCenter()));
        EXPECT_EQ(hit.story, body) << found.word;
        if (std::find(inCells.begin(), inCells.end(), found.word) != inCells.end()) {
            EXPECT_EQ(found.page, 1) << found.word << " is in the table, in the third frame";
        }
        const TextIndex index = static_cast<TextIndex>(std::floor(hit.position));
        if (found.character < 0) {
            // The middle of the word's rectangle lies on one of its characters.
            ++seen[found.word];
            EXPECT_GE(index, start) << found.word;
            EXPECT_LT(index, start + static_cast<TextIndex>(word.size())) << found.word;
        } else {
            ++characters[found.word];
            EXPECT_EQ(index, start + found.character) << found.word << " character " << found.character;
        }
    }
    for (const std::string& word : words)
        EXPECT_EQ(characters[word], static_cast<int>(word.size())) << "every character of " << word;
    for (const std::string& word : words)
        EXPECT_EQ(seen[word], 1) << word << " is found once in the proof";
    DocumentManager::Instance().CloseDocument(opened.document);
}

TEST_F(ProofRoundTrip, EveryPageIsThePageSizeWithTheTrimBoxEqualToTheMediaBox) {
    const ProofFacts facts = Find({});
    ASSERT_EQ(facts.boxes.size(), 2u);
    for (const auto& [page, boxes] : facts.boxes) {
        EXPECT_EQ(boxes.first, PMRect(0, 0, 612, 792)) << "page " << page;
        EXPECT_EQ(boxes.second, boxes.first) << "page " << page;
    }
    const ProofFacts tiny = Find({"Nothing"});
    EXPECT_TRUE(tiny.words.empty()) << "a frame too small for a line shows none of its text";
}

TEST_F(ProofRoundTrip, InfoListsTheStoriesAndTheirTables) {
    const PagehostRun info = RunPagehost({"info", Doc()});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("Stories: 3"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("4 frame column(s), 1 table(s)"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Table 2 x 2 at "), std::string::npos) << info.out;
    EXPECT_NE(info.out.find(", 0 cell(s) with overset text"), std::string::npos) << info.out;
}

TEST(ProofExport, ADocumentWithoutTextAndSpreadProofsExportToo) {
    const std::filesystem::path dir = TestSupport::MakeTempDir("proof-plain");
    std::ofstream(dir / "layout.json") << R"({"spreads": [{"pages": [{}, {}]}],
        "items": [{"type": "ellipse", "page": 2, "bounds": [10, 10, 100, 100], "fill": "Black"}]})";
    ASSERT_EQ(RunPagehost({"new", (dir / "layout.json").string(), (dir / "doc.pgdoc").string()}).status, 0);
    const PagehostRun pages =
        RunPagehost({"export-pdf", (dir / "doc.pgdoc").string(), (dir / "pages.pdf").string()});
    ASSERT_EQ(pages.status, 0) << pages.err;
    const PagehostRun spreads = RunPagehost(
        {"export-pdf", (dir / "doc.pgdoc").string(), (dir / "spreads.pdf").string(), "--spreads"});
    ASSERT_EQ(spreads.status, 0) << spreads.err;
    const PagehostRun missing =
        RunPagehost({"export-pdf", (dir / "none.pgdoc").string(), (dir / "x.pdf").string()});
    EXPECT_NE(missing.status, 0);
    EXPECT_FALSE(missing.err.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "x.pdf"));
}
} // namespace
