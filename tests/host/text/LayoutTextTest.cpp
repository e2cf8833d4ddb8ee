// Text in layout descriptions: stories with paragraphs and tables, text frames with columns,
// gutter and inset, frames threaded in the order they name a story, and faults named by their
// JSON path.
#include <gtest/gtest.h>

#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/IDocument.h"
#include "host/document/LayoutBuilder.h"
#include "host/document/LayoutParser.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IFrameList.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IMultiColumnItemData.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/IStoryList.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextFrameColumn.h"
#include "host/text/ITextInset.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDictHier.h"

namespace {
const char* const kThreaded = R"({
  "spreads": [{"pages": [{}]}, {"pages": [{}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 300, 200], "story": "body", "columns": 2, "gutter": 9},
                 {"page": 2, "bounds": [72, 72, 300, 400], "story": "body", "inset": 4},
                 {"page": 2, "bounds": [320, 72, 540, 140]}],
  "stories": [{"id": "body", "paragraphs": ["First paragraph.", "", "Third é paragraph."]},
              {"id": "unused"}]
})";

template <class T> InterfacePtr<T> Get(IDataBase* db, UID uid) {
    return InterfacePtr<T>(ObjectModel::CheckedCast<T>(db->Instantiate(uid, T::kDefaultIID)));
}

TEST(LayoutText, StoriesAndFramesAreReadWithTheirThreadingOrderAndColumns) {
    const LayoutParser::Result parsed = LayoutParser::Parse(kThreaded);
    ASSERT_TRUE(parsed.ok) << parsed.Message();
    const LayoutDescription& d = parsed.description;
    ASSERT_EQ(d.stories.size(), 2u);
    EXPECT_EQ(d.stories[0].paragraphs,
              (std::vector<std::u16string>{u"First paragraph.", u"", u"Third é paragraph."}));
    ASSERT_EQ(d.textFrames.size(), 3u);
    EXPECT_EQ(d.textFrames[0].columns, 2);
    EXPECT_EQ(d.textFrames[0].gutter, 9.0);
    EXPECT_EQ(d.textFrames[1].page, 1);
    EXPECT_EQ(d.textFrames[1].inset, 4.0);
    EXPECT_EQ(d.textFrames[2].story, "");
}

TEST(LayoutText, BuildingThreadsFramesNamingOneStoryAndGivesOthersTheirOwn) {
    const LayoutParser::Result parsed = LayoutParser::Parse(kThreaded);
    ASSERT_TRUE(parsed.ok);
    const LayoutBuilder::Result built = LayoutBuilder::Build(parsed.description);
    ASSERT_EQ(built.error, kSuccess) << built.message;
    IDataBase* db = built.document->GetDocumentDataBase();
    InterfacePtr<IStoryList> stories = Get<IStoryList>(db, db->GetRootUID());
    ASSERT_EQ(stories->CountStories(), 3) << "body, unused and the third frame's own";
    const UID body = stories->GetNthStoryUID(0);
    EXPECT_EQ(Get<ITextModel>(db, body)->GetText(0, 100).GetUTF16(),
              u"First paragraph.\r\rThird é paragraph.\r");
    InterfacePtr<IFrameList> frames = Get<IFrameList>(db, body);
    ASSERT_EQ(frames->GetFrameCount(), 3) << "two columns, then one";
    InterfacePtr<IMultiColumnTextFrame> first(
        InterfacePtr<ITextFrameColumn>(frames->QueryNthFrame(0))->QueryMultiColumnTextFrame());
    InterfacePtr<IMultiColumnTextFrame> second(
        InterfacePtr<ITextFrameColumn>(frames->QueryNthFrame(2))->QueryMultiColumnTextFrame());
    EXPECT_EQ(Get<IMultiColumnItemData>(db, ::GetUID(first))->GetGutter(), 9.0);
    EXPECT_EQ(Get<ITextInset>(db, second->GetFrameItemUID())->GetInset(), PMRect(4, 4, 4, 4));
    EXPECT_EQ(Get<IFrameList>(db, stories->GetNthStoryUID(1))->GetFrameCount(), 0);
    EXPECT_EQ(Get<IFrameList>(db, stories->GetNthStoryUID(2))->GetFrameCount(), 1);
    EXPECT_FALSE(db->GetUndoHistory().CanUndo()) << "a new document starts without undo steps";
    DocumentManager::Instance().CloseDocument(built.document);
}

const char* const kWithTables = R"({
  "spreads": [{"pages": [{}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 400, 400], "story": "body"}],
  "stories": [{"id": "body", "paragraphs": [
    "Intro",
    {"table": {"columnWidths": [60, 80], "rowHeights": [20, 25], "cells": [["a", "b"], ["", "d é"]]}},
    "Middle",
    {"table": {"columnWidths": [100], "rowHeights": [30]}}]}]
})";

TEST(LayoutText, TablesAreReadAsParagraphsOfTheirOwn) {
    const LayoutParser::Result parsed = LayoutParser::Parse(kWithTables);
    ASSERT_TRUE(parsed.ok) << parsed.Message();
    const LayoutDescription::Story& story = parsed.description.stories.at(0);
    EXPECT_EQ(story.paragraphs, (std::vector<std::u16string>{u"Intro", u"", u"Middle", u""}));
    ASSERT_EQ(story.tables.size(), 2u);
    EXPECT_EQ(story.tables[0].paragraph, 1);
    EXPECT_EQ(story.tables[0].columnWidths, (std::vector<PMReal>{60, 80}));
    EXPECT_EQ(story.tables[0].rowHeights, (std::vector<PMReal>{20, 25}));
    EXPECT_EQ(story.tables[0].cells[1][1], u"d é");
    EXPECT_EQ(story.tables[1].paragraph, 3);
    EXPECT_TRUE(story.tables[1].cells.empty());
}

TEST(LayoutText, BuildingAnchorsEachTableInItsParagraphWithItsCellsText) {
    const LayoutParser::Result parsed = LayoutParser::Parse(kWithTables);
    ASSERT_TRUE(parsed.ok);
    const LayoutBuilder::Result built = LayoutBuilder::Build(parsed.description);
    ASSERT_EQ(built.error, kSuccess) << built.message;
    IDataBase* db = built.document->GetDocumentDataBase();
    const UID body = Get<IStoryList>(db, db->GetRootUID())->GetNthStoryUID(0);
    InterfacePtr<ITextModel> model = Get<ITextModel>(db, body);
    EXPECT_EQ(model->GetText(0, model->TotalLength()).GetUTF16(),
              u"Intro\r\x16\rMiddle\r\x16\ra\rb\r\rd é\r\r");
    EXPECT_EQ(Get<ITextStoryThread>(db, body)->GetTextEnd(), 17);
    InterfacePtr<ITextStoryThreadDictHier> dictionaries = Get<ITextStoryThreadDictHier>(db, body);
    ASSERT_EQ(dictionaries->GetDictCount(), 3);
    InterfacePtr<ITableModel> first = Get<ITableModel>(db, dictionaries->GetNthDictUID(1));
    InterfacePtr<ITableModel> second = Get<ITableModel>(db, dictionaries->GetNthDictUID(2));
    EXPECT_EQ(first->GetAnchorIndex(), 6);
    EXPECT_EQ(first->GetRowHeight(1), 25.0);
    EXPECT_EQ(second->GetAnchorIndex(), 15);
    EXPECT_EQ(second->GetCellsTextRange(), RangeData(26, 27)) << "one empty cell, after the first table's";
    InterfacePtr<ITextStoryThread> last(first->QueryCellThread(1, 1));
    EXPECT_EQ(model->GetText(last->GetTextStart(), last->GetTextRange().Length()).GetUTF16(), u"d é\r");
    EXPECT_FALSE(db->GetUndoHistory().CanUndo());
    DocumentManager::Instance().CloseDocument(built.document);
}

struct BadText {
    const char* json;
    const char* path;
};

class LayoutTextFaults : public ::testing::TestWithParam<BadText> {};

TEST_P(LayoutTextFaults, NameTheirJsonPath) {
    const LayoutParser::Result parsed = LayoutParser::Parse(GetParam().json);
    EXPECT_FALSE(parsed.ok);
    EXPECT_EQ(parsed.path, GetParam().path) << parsed.Message();
}

const BadText kBadText[] = {
    {R"({"spreads": [{"pages": [{}]}], "textFrames": [{"page": 1, "bounds": [0, 0, 9, 9], "story": "x"}]})",
     "$.textFrames[0].story"},
    {R"({"spreads": [{"pages": [{}]}], "textFrames": [{"page": 1, "bounds": [0, 0, 9, 9], "columns": 0}]})",
     "$.textFrames[0].columns"},
    {R"({"spreads": [{"pages": [{}]}], "textFrames": [{"page": 1, "bounds": [0, 0, 9, 9], "gutter": -1}]})",
     "$.textFrames[0].gutter"},
    {R"({"spreads": [{"pages": [{}]}], "textFrames": [{"page": 1, "bounds": [0, 0, 9000, 9]}]})",
     "$.textFrames[0].bounds"},
    {R"({"spreads": [{"pages": [{}]}], "textFrames": [{"page": 2, "bounds": [0, 0, 9, 9]}]})",
     "$.textFrames[0].page"},
    {R"({"spreads": [{"pages": [{}]}], "textFrames": [{"page": 1}]})", "$.textFrames[0].bounds"},
    {R"({"spreads": [{"pages": [{}]}], "textFrames": [{"page": 1, "bounds": [0, 0, 9, 9], "tint": 1}]})",
     "$.textFrames[0].tint"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a"}, {"id": "a"}]})", "$.stories[1].id"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"paragraphs": []}]})", "$.stories[0].id"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a", "paragraphs": ["ok", 3]}]})",
     "$.stories[0].paragraphs[1]"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a", "paragraphs": [{"tabel": {}}]}]})",
     "$.stories[0].paragraphs[0].tabel"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a", "paragraphs": [{}]}]})",
     "$.stories[0].paragraphs[0].table"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a", "paragraphs": [{"table": {"rowHeights": [9]}}]}]})",
     "$.stories[0].paragraphs[0].table.columnWidths"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a", "paragraphs": ["x",
        {"table": {"columnWidths": [9, -2], "rowHeights": [9]}}]}]})",
     "$.stories[0].paragraphs[1].table.columnWidths[1]"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a", "paragraphs": [
        {"table": {"columnWidths": [9], "rowHeights": [0]}}]}]})",
     "$.stories[0].paragraphs[0].table.rowHeights[0]"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a", "paragraphs": [
        {"table": {"columnWidths": [9], "rowHeights": ["9"]}}]}]})",
     "$.stories[0].paragraphs[0].table.rowHeights[0]"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a", "paragraphs": [
        {"table": {"columnWidths": [9, 9], "rowHeights": [9, 9], "cells": [["a", "b"], ["c"]]}}]}]})",
     "$.stories[0].paragraphs[0].table.cells[1]"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a", "paragraphs": [
        {"table": {"columnWidths": [9, 9], "rowHeights": [9, 9], "cells": [["a", "b"]]}}]}]})",
     "$.stories[0].paragraphs[0].table.cells"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a", "paragraphs": [
        {"table": {"columnWidths": [9, 9], "rowHeights": [9], "cells": [["a", 2]]}}]}]})",
     "$.stories[0].paragraphs[0].table.cells[0][1]"},
    {R"({"spreads": [{"pages": [{}]}], "stories": [{"id": "a", "paragraphs": [
        {"table": {"columnWidths": [9], "rowHeights": [9], "border": 1}}]}]})",
     "$.stories[0].paragraphs[0].table.border"},
};
INSTANTIATE_TEST_SUITE_P(Faults, LayoutTextFaults, ::testing::ValuesIn(kBadText));
} // namespace
