// Tables in a story: the anchor in the item strand leads to the table model, its cells' thread
// dictionary, each cell's story thread in the story's own text model and its one parcel; the
// story lists the dictionaries in text order; edits inside cells keep every thread's range
// right and undo puts everything back; deleting the table's character deletes the table.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "TextFrameDocument.h"
#include "host/database/UndoHistory.h"
#include "host/document/DocumentManager.h"
#include "host/document/ITransform.h"
#include "host/text/ICellContent.h"
#include "host/text/IItemStrand.h"
#include "host/text/IParcelList.h"
#include "host/text/ITableFrame.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextModelCmds.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDict.h"
#include "host/text/ITextStoryThreadDictHier.h"

namespace {
const std::vector<std::u16string> kCells = {u"one", u"two", u"three", u"four", u"", u"six"};

class Tables : public ::testing::Test {
protected:
    void SetUp() override {
        frame = doc.NewFrame(0, PMRect(72, 72, 372, 472));
        ASSERT_EQ(doc.Insert(frame.story, 0, u"Before\r\rAfter"), kSuccess);
        table = doc.NewTable(frame.story, kAnchor, {50, 60, 70}, {30, 40}, kCells);
        ASSERT_NE(table, kInvalidUID);
    }
    InterfacePtr<ITableModel> Table() const { return doc.Get<ITableModel>(table); }
    InterfacePtr<ITextStoryThread> Cell(int32 row, int32 column) const {
        return InterfacePtr<ITextStoryThread>(Table()->QueryCellThread(row, column));
    }
    std::u16string TextOf(const ITextStoryThread* thread) const {
        return doc.Model(frame.story)
            ->GetText(thread->GetTextStart(), thread->GetTextRange().Length())
            .GetUTF16();
    }
    // Every thread's range: the primary thread's, then each cell's in row-major order.
    std::vector<RangeData> Ranges() const {
        std::vector<RangeData> ranges{doc.Get<ITextStoryThread>(frame.story)->GetTextRange()};
        for (int32 n = 0; n < 6; ++n)
            ranges.push_back(Cell(n / 3, n % 3)->GetTextRange());
        return ranges;
    }
    std::u16string Text() const {
        return doc.Model(frame.story)->GetText(0, doc.Model(frame.story)->TotalLength()).GetUTF16();
    }
    ErrorCode Process(ICommand* cmd) const {
        InterfacePtr<ICommand> owned(cmd);
        return CmdUtils::ProcessCommand(owned);
    }
    InterfacePtr<ITextModelCmds> Cmds() const { return doc.Get<ITextModelCmds>(frame.story); }
    UndoHistory& History() const { return doc.DB()->GetUndoHistory(); }

    static constexpr TextIndex kAnchor = 7; // the empty paragraph between "Before" and "After"
    TextFrameDocument doc;
    TextFrameDocument::Frame frame;
    UID table = kInvalidUID;
};

TEST_F(Tables, TheAnchorLeadsToTheTableModelAndItsCellsInRowMajorOrder) {
    EXPECT_EQ(doc.Model(frame.story)->GetText(kAnchor, 1).GetUTF16(), std::u16string(1, kTextChar_Table));
    OwnedItemDataList items;
    ASSERT_EQ(doc.Get<IItemStrand>(frame.story)->CollectOwnedItems(RangeData(0, 14), kInvalidClass, &items),
              1);
    EXPECT_EQ(items[0].fAt, kAnchor);
    EXPECT_EQ(items[0].fClassID, kTableAnchorBoss);
    EXPECT_EQ(doc.DB()->GetClass(items[0].fUID), kTableAnchorBoss);

    InterfacePtr<ITableModel> fromAnchor = doc.Get<ITableModel>(items[0].fUID);
    ASSERT_NE(fromAnchor, nullptr);
    EXPECT_EQ(fromAnchor->GetTableModelUID(), table);
    EXPECT_EQ(doc.DB()->GetClass(table), kTableModelBoss);
    EXPECT_EQ(fromAnchor->GetAnchorUID(), items[0].fUID);
    EXPECT_EQ(fromAnchor->GetAnchorIndex(), kAnchor);
    EXPECT_EQ(fromAnchor->GetTextModelUID(), frame.story);
    EXPECT_EQ(fromAnchor->GetRowCount(), 2);
    EXPECT_EQ(fromAnchor->GetColumnCount(), 3);
    EXPECT_EQ(fromAnchor->GetColumnWidth(1), 60.0);
    EXPECT_EQ(fromAnchor->GetRowHeight(1), 40.0);
    EXPECT_EQ(fromAnchor->GetColumnWidth(3), 0.0);
    EXPECT_EQ(fromAnchor->GetTotalWidth(), 180.0);
    EXPECT_EQ(fromAnchor->GetTotalHeight(), 70.0);
    EXPECT_EQ(fromAnchor->GetCellUID(2, 0), kInvalidUID);
    EXPECT_EQ(doc.DB()->GetClass(fromAnchor->GetTableFrameUID()), kTableFrameBoss);
    EXPECT_EQ(doc.Get<ITableModel>(fromAnchor->GetTableFrameUID())->GetTableModelUID(), table)
        << "the table frame answers for the table model too";

    InterfacePtr<ITextStoryThreadDict> cells(fromAnchor->QueryThreadDict());
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->GetOwnerUID(), table);
    ASSERT_EQ(cells->GetThreadCount(), 6);
    for (int32 n = 0; n < 6; ++n) {
        InterfacePtr<ITextStoryThread> thread(cells->QueryThread(n));
        const UID cell = ::GetUID(thread);
        EXPECT_EQ(doc.DB()->GetClass(cell), kTableCellBoss);
        EXPECT_EQ(cell, fromAnchor->GetCellUID(n / 3, n % 3));
        InterfacePtr<ICellContent> content = doc.Get<ICellContent>(cell);
        EXPECT_EQ(content->GetRow(), n / 3);
        EXPECT_EQ(content->GetColumn(), n % 3);
        EXPECT_EQ(content->GetTableModelUID(), table);
        EXPECT_EQ(InterfacePtr<ITextStoryThread>(content->QueryTextStoryThread()).get(), thread.get());
        EXPECT_EQ(thread->GetTextModelUID(), frame.story) << "cells share the story's text model";
        EXPECT_EQ(TextOf(thread), kCells[static_cast<size_t>(n)] + u"\r");
        InterfacePtr<ITextStoryThread> found(cells->QueryThreadAt(thread->GetTextStart()));
        EXPECT_EQ(found.get(), thread.get());
    }
    EXPECT_EQ(cells->QueryThreadAt(0), nullptr) << "the primary text is no cell's";
}

TEST_F(Tables, ThePrimaryThreadEndsWhereTheCellsTextStartsAndCellsFollowEachOther) {
    const std::vector<RangeData> ranges = Ranges();
    EXPECT_EQ(ranges[0], RangeData(0, 15)) << "Before, the table's character, After and the final return";
    EXPECT_EQ(TextOf(doc.Get<ITextStoryThread>(frame.story)), u"Before\r\x16\rAfter\r");
    for (size_t n = 1; n < ranges.size(); ++n)
        EXPECT_EQ(ranges[n].Start(), ranges[n - 1].End()) << "thread " << n;
    EXPECT_EQ(ranges.back().End(), doc.Model(frame.story)->TotalLength());
    EXPECT_EQ(Table()->GetCellsTextRange(), RangeData(ranges[1].Start(), ranges.back().End()));
    InterfacePtr<ITextStoryThreadDict> own = doc.Get<ITextStoryThreadDict>(frame.story);
    EXPECT_EQ(own->GetOwnerUID(), frame.story);
    EXPECT_EQ(own->GetThreadCount(), 1);
    EXPECT_EQ(own->QueryThreadAt(ranges[2].Start()), nullptr);
}

TEST_F(Tables, TheStoryListsItsOwnDictionaryThenEachTablesInTextOrder) {
    // A second table before the first: its cells' text goes before the first table's.
    const UID earlier = doc.NewTable(frame.story, 0, {40}, {20}, {u"early"});
    ASSERT_NE(earlier, kInvalidUID);
    InterfacePtr<ITextStoryThreadDictHier> dictionaries = doc.Get<ITextStoryThreadDictHier>(frame.story);
    ASSERT_EQ(dictionaries->GetDictCount(), 3);
    EXPECT_EQ(dictionaries->GetNthDictUID(0), frame.story);
    EXPECT_EQ(doc.DB()->GetClass(frame.story), kTextStoryBoss);
    EXPECT_EQ(dictionaries->NextUID(kInvalidUID), frame.story);
    EXPECT_EQ(dictionaries->NextUID(frame.story), earlier);
    EXPECT_EQ(dictionaries->NextUID(earlier), table);
    EXPECT_EQ(dictionaries->NextUID(table), kInvalidUID);
    EXPECT_EQ(dictionaries->PreviousUID(table), earlier);
    EXPECT_EQ(dictionaries->PreviousUID(frame.story), kInvalidUID);
    EXPECT_EQ(InterfacePtr<ITextStoryThreadDict>(dictionaries->QueryNthDict(2))->GetOwnerUID(), table);

    InterfacePtr<ITextStoryThread> early(doc.Get<ITableModel>(earlier)->QueryCellThread(0, 0));
    EXPECT_EQ(early->GetTextStart(), doc.Get<ITextStoryThread>(frame.story)->GetTextEnd());
    EXPECT_EQ(Cell(0, 0)->GetTextStart(), early->GetTextEnd());
    EXPECT_EQ(TextOf(early), u"early\r");
    EXPECT_EQ(Table()->GetAnchorIndex(), kAnchor + 1);
    InterfacePtr<ITextStoryThread> at(dictionaries->QueryThreadAt(Cell(1, 2)->GetTextStart() + 1));
    EXPECT_EQ(::GetUID(at), Table()->GetCellUID(1, 2));
    EXPECT_EQ(::GetUID(InterfacePtr<ITextStoryThread>(dictionaries->QueryThreadAt(3))), frame.story);
    EXPECT_EQ(dictionaries->QueryThreadAt(doc.Model(frame.story)->TotalLength()), nullptr);
}

TEST_F(Tables, EditsInsideACellMoveOnlyTheThreadsAfterItAndUndoRestoresEveryRange) {
    const std::vector<RangeData> before = Ranges();
    const std::u16string text = Text();
    const TextIndex fourth = Cell(1, 0)->GetTextStart();

    ASSERT_EQ(Process(Cmds()->InsertCmd(fourth + 4, WideString(u" more"))), kSuccess); // before its return
    std::vector<RangeData> grown = Ranges();
    for (size_t n = 0; n < 4; ++n)
        EXPECT_EQ(grown[n], before[n]) << "thread " << n;
    EXPECT_EQ(grown[4], RangeData(before[4].Start(), before[4].End() + 5));
    EXPECT_EQ(grown[6], RangeData(before[6].Start() + 5, before[6].End() + 5));
    EXPECT_EQ(TextOf(Cell(1, 0)), u"four more\r");

    ASSERT_EQ(Process(Cmds()->ReplaceCmd(fourth, 4, WideString(u"4"))), kSuccess);
    ASSERT_EQ(Process(Cmds()->DeleteCmd(Cell(0, 2)->GetTextStart(), 3)), kSuccess);
    ASSERT_EQ(Process(Cmds()->InsertCmd(0, WideString(u"Up "))), kSuccess); // in the primary text
    EXPECT_EQ(TextOf(Cell(1, 0)), u"4 more\r");
    EXPECT_EQ(TextOf(Cell(0, 2)), u"ee\r");
    EXPECT_EQ(TextOf(Cell(1, 2)), u"six\r");
    EXPECT_EQ(Table()->GetAnchorIndex(), kAnchor + 3);
    EXPECT_EQ(Cell(0, 0)->GetTextStart(), before[1].Start() + 3);

    for (int step = 0; step < 4; ++step)
        ASSERT_EQ(History().Undo(), kSuccess);
    EXPECT_EQ(Ranges(), before);
    EXPECT_EQ(Text(), text);
    ASSERT_EQ(History().Redo(), kSuccess);
    EXPECT_EQ(Ranges(), grown);
}

TEST_F(Tables, EditsCannotCrossThreadsOrTakeACellsReturn) {
    const std::u16string text = Text();
    const RangeData second = Cell(0, 1)->GetTextRange();
    EXPECT_EQ(Process(Cmds()->DeleteCmd(second.End() - 1, 1)), kInvalidParameterError) << "the cell's return";
    EXPECT_EQ(Process(Cmds()->DeleteCmd(second.Start(), second.Length() + 2)), kInvalidParameterError);
    EXPECT_EQ(Process(Cmds()->DeleteCmd(12, 4)), kInvalidParameterError) << "the primary text into a cell";
    EXPECT_EQ(Process(Cmds()->InsertCmd(doc.Model(frame.story)->TotalLength(), WideString(u"x"))),
              kInvalidParameterError);
    EXPECT_EQ(Process(Cmds()->InsertCmd(second.End() - 1, WideString(u"!"))), kSuccess)
        << "before the return";
    EXPECT_EQ(TextOf(Cell(0, 1)), u"two!\r");
    ASSERT_EQ(History().Undo(), kSuccess);
    EXPECT_EQ(Text(), text);
}

TEST_F(Tables, DeletingTheTablesCharacterDeletesTheTableAndUndoBringsItBack) {
    const std::vector<RangeData> before = Ranges();
    const std::u16string text = Text();
    std::vector<UID> objects{table, Table()->GetAnchorUID(), Table()->GetTableFrameUID()};
    for (int32 n = 0; n < 6; ++n)
        objects.push_back(Table()->GetCellUID(n / 3, n % 3));

    ASSERT_EQ(Process(Cmds()->DeleteCmd(5, 4)), kSuccess); // "e\r\x16\r"
    EXPECT_EQ(Text(), u"BeforAfter\r");
    for (UID object : objects)
        EXPECT_FALSE(doc.DB()->IsValidUID(object)) << object;
    EXPECT_EQ(doc.Get<ITextStoryThreadDictHier>(frame.story)->GetDictCount(), 1);
    EXPECT_EQ(doc.Get<IItemStrand>(frame.story)->CountOwnedItems(), 0);
    EXPECT_EQ(doc.Get<ITextStoryThread>(frame.story)->GetTextRange(), RangeData(0, 11));

    ASSERT_EQ(History().Undo(), kSuccess);
    for (UID object : objects)
        EXPECT_TRUE(doc.DB()->IsValidUID(object)) << object;
    EXPECT_EQ(Text(), text);
    EXPECT_EQ(Ranges(), before);
    EXPECT_EQ(Table()->GetAnchorIndex(), kAnchor);
    ASSERT_EQ(History().Undo(), kSuccess) << "the table's own step";
    EXPECT_FALSE(doc.DB()->IsValidUID(table));
    EXPECT_EQ(Text(), u"Before\r\rAfter\r");
}

TEST_F(Tables, TheNewTableCommandRefusesBadInputAndChangesNothing) {
    const std::u16string text = Text();
    const TextIndex cellText = Cell(0, 0)->GetTextStart();
    const struct {
        TextIndex at;
        std::vector<PMReal> widths;
        std::vector<PMReal> heights;
        std::vector<std::u16string> cells;
    } bad[] = {{cellText, {10}, {10}, {}},
               {-1, {10}, {10}, {}},
               {0, {}, {10}, {}},
               {0, {10}, {}, {}},
               {0, {10, -1}, {10}, {}},
               {0, {10}, {0}, {}},
               {0, {10}, {std::numeric_limits<PMReal>::quiet_NaN()}, {}},
               {0, {10}, {20000}, {}},
               {0, {10, 10}, {10}, {u"only one"}}};
    for (const auto& b : bad) {
        ErrorCode result = kSuccess;
        EXPECT_EQ(doc.NewTable(frame.story, b.at, b.widths, b.heights, b.cells, &result), kInvalidUID);
        EXPECT_EQ(result, kInvalidParameterError);
        EXPECT_EQ(Text(), text);
    }
    EXPECT_NE(doc.NewTable(frame.story, cellText - 1, {10}, {10}), kInvalidUID)
        << "right before the primary text's final return";
}
TEST_F(Tables, ASavedTableReadsBackWithItsCellsAndThreads) {
    const std::vector<RangeData> before = Ranges();
    const std::string path = (TestSupport::MakeTempDir("tables") / "table.pgdoc").string();
    ASSERT_EQ(DocumentManager::Instance().SaveACopy(doc.Document(), path), kSuccess);
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(path);
    ASSERT_NE(opened.document, nullptr) << opened.message;
    IDataBase* db = opened.document->GetDocumentDataBase();
    InterfacePtr<ITextStoryThreadDictHier> dictionaries(ObjectModel::CheckedCast<ITextStoryThreadDictHier>(
        db->Instantiate(frame.story, IID_ITEXTSTORYTHREADDICTHIER)));
    ASSERT_EQ(dictionaries->GetDictCount(), 2);
    InterfacePtr<ITableModel> read(ObjectModel::CheckedCast<ITableModel>(
        db->Instantiate(dictionaries->GetNthDictUID(1), IID_ITABLEMODEL)));
    EXPECT_EQ(read->GetAnchorIndex(), kAnchor);
    EXPECT_EQ(read->GetColumnWidth(2), 70.0);
    for (int32 n = 0; n < 6; ++n) {
        InterfacePtr<ITextStoryThread> cell(read->QueryCellThread(n / 3, n % 3));
        EXPECT_EQ(cell->GetTextRange(), before[static_cast<size_t>(n) + 1]) << "cell " << n;
    }
    InterfacePtr<ITableFrame> placed(read->QueryTableFrame());
    EXPECT_EQ(placed->GetFrameColumnUID(), doc.TextFrame(frame)->GetNthColumnUID(0));
    DocumentManager::Instance().CloseDocument(opened.document);
}
} // namespace
