// The import of text markups into a document from its own proof: one undo takes the whole import
// away (the saved document's bytes equal those before it), and markups that cannot land on text
// (no quadrilaterals, an odd number of coordinates, outside every frame, over two stories, over a
// table from cell to cell) are each counted and logged, with no marker left behind.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "INotesImportSettings.h"
#include "PdfFixtureFiles.h"
#include "TestSupport.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/graphics/PdfExporter.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/ObjectModel.h"
#include "textmarkup/NotesTextMarkupClasses.h"

using namespace CoreFixture;

namespace {
constexpr const char* kLayout = R"({
  "pageSize": {"width": 612, "height": 792},
  "spreads": [{"pages": [{}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 300, 200], "story": "s"},
                 {"page": 1, "bounds": [310, 72, 540, 200], "story": "u"},
                 {"page": 1, "bounds": [72, 260, 540, 400], "story": "table"}],
  "stories": [{"id": "s", "paragraphs": ["Harbour lights gleam"]},
              {"id": "u", "paragraphs": ["Umber shade"]},
              {"id": "table", "paragraphs": ["Ledger", {"table": {"columnWidths": [100, 100], "rowHeights": [30],
                 "cells": [["Quince", "Rowan"]]}}]}]
})";

class TextMarkupImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = BuildDocument(kLayout);
        ASSERT_NE(document, nullptr);
        db = document->GetDocumentDataBase();
        dir = TestSupport::MakeTempDir("text-markup-faults");
        proof = dir / "proof.pdf";
        ASSERT_EQ(PdfExporter::Export(db, proof.string()).error, kSuccess);
    }
    void TearDown() override { Close(document); }

    // The quadrilateral of a word in the proof, page coordinates: ul, ur, ll, lr.
    std::vector<double> Quad(const std::string& word) {
        int status = 0;
        const std::string out =
            TestSupport::RunPythonScript(TestSupport::SourceDir() / "tests/core/textmarkup/pdf_word_quads.py",
                                         {proof.string(), word}, &status);
        std::istringstream line(out);
        std::string tag, found, pageTag;
        int page = 0;
        std::vector<double> corners(8);
        line >> tag >> found >> pageTag >> page;
        for (double& c : corners)
            line >> c;
        return corners;
    }
    static std::string Array(const std::vector<double>& values) {
        std::string text = "[";
        for (size_t i = 0; i < values.size(); ++i)
            text += (i ? ", " : "") + std::to_string(values[i]);
        return text + "]";
    }
    std::filesystem::path Annotated(const std::string& comments) {
        const auto file = dir / "comments.json";
        std::ofstream(file) << comments;
        const auto out = dir / "reviewed.pdf";
        PdfFixtureFiles::run("/usr/bin/python3 " +
                             PdfFixtureFiles::quoted(TestSupport::SourceDir() / "tools/annotate_pdf.py") +
                             " " + PdfFixtureFiles::quoted(proof) + " " + PdfFixtureFiles::quoted(file) +
                             " " + PdfFixtureFiles::quoted(out));
        return out;
    }
    ErrorCode Import(const std::filesystem::path& pdf, int32* failed) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesImportCmdBoss));
        InterfacePtr<INotesImportSettings> settings(cmd, IID_INOTESIMPORTSETTINGS);
        settings->Set(PMString(pdf.string().c_str()), 0, kTrue, kTrue, kTrue, kTrue);
        cmd->SetItemList(UIDList(DocumentRef(document)));
        const ErrorCode result = CmdUtils::ProcessCommand(cmd);
        *failed = InterfacePtr<IIntData>(cmd, IID_IINTDATA)->GetInt();
        return result;
    }
    int32 Markers() const {
        int32 count = 0;
        for (UID uid : db->GetAllUIDs())
            count += NotesTextMarkupClasses::IsMarkerClass(db->GetClass(uid)) ? 1 : 0;
        return count;
    }
    std::string SavedBytes(const std::string& name) {
        const std::string path = (dir / name).string();
        EXPECT_EQ(DocumentManager::Instance().SaveACopy(document, path), kSuccess);
        return TestSupport::ReadFile(path);
    }

    IDocument* document = nullptr;
    IDataBase* db = nullptr;
    std::filesystem::path dir, proof;
};

TEST_F(TextMarkupImportTest, OneUndoTakesTheWholeImportAwayMarkersAndAttributesIncluded) {
    const auto pdf = Annotated(R"([
      {"page": 0, "kind": "Highlight", "search": "Harbour"},
      {"page": 0, "kind": "StrikeOut", "search": "Umber"},
      {"page": 0, "kind": "Squiggly", "search": "Rowan"},
      {"page": 0, "kind": "Caret", "before": "gleam"},
      {"page": 0, "kind": "Redact", "search": "lights", "overlay_text": "beams"}
    ])");
    const std::string before = SavedBytes("before.phd");
    int32 failed = -1;
    ASSERT_EQ(Import(pdf, &failed), kSuccess);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(Markers(), 10);
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(Markers(), 0);
    EXPECT_TRUE(SavedBytes("after.phd") == before) << "the document after undo is the one before the import";
}

TEST_F(TextMarkupImportTest, MarkupsThatFindNoTextAreCountedLoggedAndLeaveNothingBehind) {
    const std::vector<double> harbour = Quad("Harbour"), umber = Quad("Umber");
    const std::vector<double> quince = Quad("Quince"), rowan = Quad("Rowan");
    // Left edge on one word, right edge on another: the midline's two ends in different stories
    // (or in two cells of one table, with the table's anchor between them).
    const auto across = [](const std::vector<double>& a, const std::vector<double>& b) {
        return std::vector<double>{a[0], a[1], b[2], b[3], a[4], a[5], b[6], b[7]};
    };
    const auto pdf = Annotated(R"([
      {"page": 0, "kind": "Highlight", "search": "Harbour", "raw": {"QuadPoints": "[]"}, "contents": "empty"},
      {"page": 0, "kind": "Underline", "search": "Harbour", "raw": {"QuadPoints": "[72 720 100]"}, "contents": "odd"},
      {"page": 0, "kind": "Highlight", "rects": [[400, 600, 480, 612]], "contents": "outside"},
      {"page": 0, "kind": "Highlight", "quads": [)" +
                               Array(across(harbour, umber)) + R"(], "contents": "two stories"},
      {"page": 0, "kind": "StrikeOut", "quads": [)" +
                               Array(across(quince, rowan)) + R"(], "contents": "table"},
      {"page": 0, "kind": "Highlight", "search": "gleam", "contents": "lands"}
    ])");
    ClearFailureLog();
    int32 failed = -1;
    ASSERT_EQ(Import(pdf, &failed), kSuccess);
    EXPECT_EQ(failed, 5);
    EXPECT_EQ(Markers(), 2) << "only the markup that found its word";
    EXPECT_FALSE(FailureLogText().empty()) << FailureLogText();
}
} // namespace
