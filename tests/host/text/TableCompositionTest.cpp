// Tables in composition: the table stands as a block at its anchor in the column where the anchor
// falls (or the first later one with room); each cell's text is composed inside the cell less its
// inset and what does not fit is overset in that cell; the text position at a point inside a cell
// is an index of the story's own text model, at every level of hit testing.
#include <gtest/gtest.h>

#include <cmath>

#include "TextFrameDocument.h"
#include "host/document/IHierarchy.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IShape.h"
#include "host/graphics/RecordingGraphicsPort.h"
#include "host/text/ICellContent.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IParcelList.h"
#include "host/text/ITableFrame.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"

namespace {
class TableComposition : public ::testing::Test {
protected:
    InterfacePtr<ITableModel> Table(UID table) const { return doc.Get<ITableModel>(table); }
    InterfacePtr<ITableFrame> FrameOf(UID table) const {
        return InterfacePtr<ITableFrame>(Table(table)->QueryTableFrame());
    }
    UID CellUID(UID table, int32 row, int32 column) const { return Table(table)->GetCellUID(row, column); }
    const TextComposition& Composed(UID threadHolder) const {
        return doc.Get<ITextParcelList>(threadHolder)->GetComposition();
    }
    // The middle of character index on its line in a composition, in pasteboard coordinates.
    static PMPoint MiddleOf(const TextComposition& composition, TextIndex index) {
        const int32 n = composition.FindLineAt(index);
        if (n < 0) {
            ADD_FAILURE() << "index " << index << " is not composed";
            return PMPoint();
        }
        const WaxLine& line = composition.GetNthLine(n);
        for (const WaxRun& run : line.GetRuns()) {
            PMReal x = run.GetX();
            for (int32 c = 0; c < run.CountClusters(); ++c) {
                PMReal width = 0.0;
                for (int32 g = 0; g < run.GetClusterGlyphCount(c); ++g)
                    width += run.GetAdvances()[static_cast<size_t>(run.GetClusterFirstGlyph(c) + g)];
                if (run.GetTextRange().Start() + run.GetClusterOffset(c) == index)
                    return composition.GetParcel(line.GetParcelIndex())
                        .innerToPasteboard.TransformPoint(PMPoint(x + width / 2, line.GetBaseline() - 3));
                x += width;
            }
        }
        ADD_FAILURE() << "no cluster starts at " << index;
        return PMPoint();
    }
    UIDRef SpreadOf(const TextFrameDocument::Frame& frame) const {
        return UIDRef(doc.DB(), doc.Get<IHierarchy>(frame.spline)->GetSpreadUID());
    }
    static TextIndex Whole(PMReal position) { return static_cast<TextIndex>(std::floor(position)); }

    TextFrameDocument doc;
};

TEST_F(TableComposition, TheTableIsABlockAtItsAnchorAndMovesToTheNextColumnWithRoom) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 472, 272), kInvalidUID, 2, 20);
    ASSERT_EQ(doc.Insert(frame.story, 0, u"Intro\r\rTail"), kSuccess);
    const UID table = doc.NewTable(frame.story, 6, {70, 80}, {60, 60});
    ASSERT_NE(table, kInvalidUID);
    const TextComposition& composition = Composed(frame.story);
    const int32 block = composition.FindLineAt(6);
    ASSERT_EQ(block, 1);
    const WaxLine& line = composition.GetNthLine(block);
    EXPECT_EQ(line.GetTextRange(), RangeData(6, 8)) << "the table's character and its paragraph's return";
    EXPECT_EQ(line.GetLineHeight(), 120.0);
    EXPECT_NEAR(line.GetLineTop(), composition.GetNthLine(0).GetLineTop() + 14.4, 1e-9);
    EXPECT_NEAR(composition.GetNthLine(2).GetLineTop(), line.GetLineTop() + 120.0, 1e-9)
        << "Tail goes below it";

    const PMRect column0 = doc.TextFrame(frame)->GetColumnBounds(0);
    EXPECT_EQ(FrameOf(table)->GetFrameColumnUID(), doc.TextFrame(frame)->GetNthColumnUID(0));
    EXPECT_EQ(FrameOf(table)->GetBounds(),
              PMRect(column0.Left(), line.GetLineTop(), column0.Left() + 150, line.GetLineTop() + 120));
    EXPECT_EQ(FrameOf(table)->GetCellBounds(1, 1), PMRect(column0.Left() + 70, line.GetLineTop() + 60,
                                                          column0.Left() + 150, line.GetLineTop() + 120));

    // Six more lines before it leave no room for 120 points in the first column.
    ASSERT_EQ(doc.Insert(frame.story, 0, u"A\rB\rC\rD\rE\rF\r"), kSuccess);
    const PMRect column1 = doc.TextFrame(frame)->GetColumnBounds(1);
    EXPECT_EQ(FrameOf(table)->GetFrameColumnUID(), doc.TextFrame(frame)->GetNthColumnUID(1));
    EXPECT_EQ(FrameOf(table)->GetBounds().LeftTop(), column1.LeftTop());
    InterfacePtr<IParcelList> parcel = doc.Get<IParcelList>(CellUID(table, 0, 0));
    EXPECT_EQ(parcel->GetParcelFrameUID(parcel->GetNthParcelKey(0)),
              doc.TextFrame(frame)->GetNthColumnUID(1));
    EXPECT_EQ(doc.TextFrame(frame)->IsOverset(), kFalse);
}

TEST_F(TableComposition, EachCellHasOneParcelTheCellInItsColumnsCoordinates) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 472, 472));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"Intro\r"), kSuccess);
    const UID table = doc.NewTable(frame.story, 6, {70, 80}, {30, 40}, {u"a", u"b", u"c", u"d"});
    const UID column = doc.TextFrame(frame)->GetNthColumnUID(0);
    for (int32 n = 0; n < 4; ++n) {
        const UID cell = CellUID(table, n / 2, n % 2);
        InterfacePtr<IParcelList> parcels(
            InterfacePtr<ITextStoryThread>(doc.Get<ITextStoryThread>(cell))->QueryParcelList());
        ASSERT_EQ(parcels->GetParcelCount(), 1);
        const ParcelKey key = parcels->GetNthParcelKey(0);
        EXPECT_EQ(key, static_cast<ParcelKey>(cell));
        EXPECT_EQ(parcels->GetParcelIndex(key), 0);
        EXPECT_EQ(parcels->GetParcelFrameUID(key), column);
        EXPECT_EQ(parcels->GetParcelBounds(key), FrameOf(table)->GetCellBounds(n / 2, n % 2));
        EXPECT_EQ(parcels->GetParcelToPasteboardMatrix(key),
                  doc.Get<IParcelList>(frame.story)->GetParcelToPasteboardMatrix(column));
        const std::vector<Parcel> composed = parcels->GetParcels();
        ASSERT_EQ(composed.size(), 1u);
        const PMRect cellBounds = parcels->GetParcelBounds(key);
        EXPECT_EQ(composed[0].bounds, PMRect(cellBounds.Left() + ICellContent::kCellInset,
                                             cellBounds.Top() + ICellContent::kCellInset,
                                             cellBounds.Right() - ICellContent::kCellInset,
                                             cellBounds.Bottom() - ICellContent::kCellInset));
    }
}

TEST_F(TableComposition, CellTextStaysInsideItsCellAndWhatDoesNotFitIsOversetThere) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 472, 472));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"Intro\r\rAfter the table"), kSuccess);
    const UID table = doc.NewTable(frame.story, 6, {80, 120}, {40, 30}, {Words(40), u"short", u"", u""});
    const UID crowded = CellUID(table, 0, 0);
    const TextComposition& cell = Composed(crowded);
    const PMRect area = doc.Get<IParcelList>(crowded)->GetParcels().at(0).bounds;
    ASSERT_EQ(cell.CountAllLines(), 2) << "two lines of 14.4 points fit in 32";
    for (int32 n = 0; n < cell.CountAllLines(); ++n) {
        const WaxLine& line = cell.GetNthLine(n);
        EXPECT_GE(line.GetLineTop(), area.Top());
        EXPECT_LE(line.GetLineTop() + line.GetLineHeight(), area.Bottom() + 1e-9);
        EXPECT_EQ(line.GetXLeft(), area.Left());
    }
    InterfacePtr<ITextStoryThread> thread = doc.Get<ITextStoryThread>(crowded);
    EXPECT_GT(cell.GetOversetStart(), thread->GetTextStart());
    EXPECT_LT(cell.GetOversetStart(), thread->GetTextEnd());
    EXPECT_EQ(Composed(CellUID(table, 0, 1)).GetOversetStart(), -1);
    EXPECT_EQ(Composed(frame.story).GetOversetStart(), -1) << "a cell's overset is its own";
    EXPECT_EQ(doc.Get<ITextParcelList>(frame.story)->GetComposition().CountAllLines(), 3);
}

TEST_F(TableComposition, ATableTooHighForEveryColumnIsOversetWithItsCells) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 372, 130));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"Intro\r"), kSuccess);
    const UID table = doc.NewTable(frame.story, 6, {80}, {100}, {u"lost"});
    EXPECT_EQ(Composed(frame.story).GetOversetStart(), 6);
    EXPECT_EQ(doc.TextFrame(frame)->IsOverset(), kTrue);
    InterfacePtr<ITableFrame> placed = FrameOf(table);
    EXPECT_EQ(placed->IsPlaced(), kFalse);
    EXPECT_EQ(placed->GetFrameColumnUID(), kInvalidUID);
    const UID cell = CellUID(table, 0, 0);
    InterfacePtr<IParcelList> parcels = doc.Get<IParcelList>(cell);
    EXPECT_EQ(parcels->GetParcelCount(), 1);
    EXPECT_EQ(parcels->GetParcelFrameUID(static_cast<ParcelKey>(cell)), kInvalidUID);
    EXPECT_TRUE(parcels->GetParcels().empty());
    EXPECT_EQ(Composed(cell).GetOversetStart(), doc.Get<ITextStoryThread>(cell)->GetTextStart());
    const PMPoint inFrame = doc.ColumnToPasteboard(frame, 0, PMPoint(100, 100));
    EXPECT_EQ(Utils<IFrameUtils>()->TextPositionAtPoint(doc.Get<ITextStoryThread>(cell),
                                                        static_cast<ParcelKey>(cell), inFrame),
              -1.0);
    RecordingGraphicsPort port;
    GraphicsData data(&port, doc.DB());
    doc.Get<IShape>(frame.spline)->Draw(&data, IShape::kDrawNormal);
    EXPECT_EQ(port.Find("rectpath").size(), 0u) << "no borders for a table that is not placed";
}

TEST_F(TableComposition, EveryCharacterOfACellAnswersItsIndexInTheStorysText) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 472, 472));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"Intro\r"), kSuccess);
    const std::u16string text = u"Hello cell";
    const UID table = doc.NewTable(frame.story, 6, {80, 120}, {30, 30}, {u"x", u"y", u"", text});
    const UID cell = CellUID(table, 1, 1);
    InterfacePtr<ITextStoryThread> thread = doc.Get<ITextStoryThread>(cell);
    InterfacePtr<ITextStoryThread> primary = doc.Get<ITextStoryThread>(frame.story);
    const UID column = doc.TextFrame(frame)->GetNthColumnUID(0);
    for (TextIndex i = 0; i < static_cast<TextIndex>(text.size()); ++i) {
        const TextIndex index = thread->GetTextStart() + i;
        const PMPoint p = MiddleOf(Composed(cell), index);
        EXPECT_EQ(Whole(Utils<IFrameUtils>()->TextPositionAtPoint(thread, static_cast<ParcelKey>(cell), p)),
                  index);
        const IFrameUtils::TextHit hit = Utils<IFrameUtils>()->FindTextAtPoint(SpreadOf(frame), p);
        EXPECT_EQ(hit.story, frame.story);
        EXPECT_EQ(hit.column, column);
        EXPECT_EQ(Whole(hit.position), index) << "character " << i;
        EXPECT_EQ(Whole(doc.TextFrame(frame)->TextPositionAt(p)), index);
        EXPECT_EQ(FrameOf(table)->FindCellAt(p), cell);
        // The primary thread's own parcel sees only the table's character there.
        EXPECT_EQ(
            Whole(Utils<IFrameUtils>()->TextPositionAtPoint(primary, static_cast<ParcelKey>(column), p)), 6);
    }
    // An empty cell answers its start, where typing would go.
    const PMPoint empty = FrameOf(table)->GetInnerToPasteboardMatrix().TransformPoint(
        FrameOf(table)->GetCellBounds(1, 0).GetCenter());
    EXPECT_EQ(Utils<IFrameUtils>()->FindTextAtPoint(SpreadOf(frame), empty).position,
              doc.Get<ITextStoryThread>(CellUID(table, 1, 0))->GetTextStart());
}

TEST_F(TableComposition, UnpairedSurrogatesInACellComposeAndHitTest) {
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 472, 472));
    const std::u16string odd = {u'a', 0xD800, u'b', 0xDC00, 0xD83D, 0xDE00, u'c'};
    const UID table = doc.NewTable(frame.story, 0, {120}, {30}, {odd});
    ASSERT_NE(table, kInvalidUID);
    const UID cell = CellUID(table, 0, 0);
    InterfacePtr<ITextStoryThread> thread = doc.Get<ITextStoryThread>(cell);
    EXPECT_EQ(Composed(cell).GetOversetStart(), -1);
    for (TextIndex i : {0, 1, 2, 3, 4, 6}) {
        const TextIndex index = thread->GetTextStart() + i;
        const PMReal position =
            Utils<IFrameUtils>()->FindTextAtPoint(SpreadOf(frame), MiddleOf(Composed(cell), index)).position;
        // A pair spreads its fraction over both units: its middle is its second unit's start.
        EXPECT_EQ(Whole(position), i == 4 ? index + 1 : index) << "unit " << i;
    }
}
} // namespace
