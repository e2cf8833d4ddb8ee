// ITableModel: a table anchored in a story's primary text at a 0x16 character (kTextChar_Table).
//
// The objects of one table:
// - the anchor (kTableAnchorBoss, 0x24F) is the owned item the story's IItemStrand holds at the
//   0x16 character; deleting that character deletes the whole table. It answers ITableModel.
// - the table model (kTableModelBoss, 0xB608) holds the table's data (this interface) and the
//   cells' ITextStoryThreadDict, whose owner it is; its threads are the cells in row-major order.
// - the table frame (kTableFrameBoss, 0xB651) is the table as composed (ITableFrame). It is not
//   anchored in the text; reach it through GetTableFrameUID. It answers ITableModel too.
// - each cell (kTableCellBoss, 0xB666) holds one story thread (ITextStoryThread, ICellContent),
//   whose text follows the story's primary thread in the same text model, and an IParcelList of
//   one parcel: the cell.
// ITableModel asked of the anchor or the table frame answers for the table model; only
// GetTableModelUID names the table model object itself.
//
// In the primary flow the table stands as a block at its anchor (as wide as its columns, as
// high as its rows) in the frame column where the anchor falls. Sizes are fixed: a cell's text
// that does not fit is overset in that cell.
#pragma once

#include <vector>

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"
#include "host/util/Geometry.h"

class ICellContent;
class ITableFrame;
class ITextModel;
class ITextStoryThread;
class ITextStoryThreadDict;

class ITableModel : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITABLEMODEL };
    static constexpr int32 kMaxRows = 1000;
    static constexpr int32 kMaxColumns = 200;
    static constexpr int32 kMaxCells = 20000;
    static constexpr PMReal kMaxSize = 15552.0; // points, for one column width or row height

    // The table model object (class kTableModelBoss), wherever the interface was asked.
    virtual UID GetTableModelUID() const = 0;
    // The story whose text holds the anchor and the cells' text.
    virtual UID GetTextModelUID() const = 0;
    virtual ITextModel* QueryTextModel() const = 0;
    // The anchor (class kTableAnchorBoss) and the index of its 0x16 character, or -1 when the
    // anchor is not in the text.
    virtual UID GetAnchorUID() const = 0;
    virtual TextIndex GetAnchorIndex() const = 0;
    virtual UID GetTableFrameUID() const = 0;
    virtual ITableFrame* QueryTableFrame() const = 0;

    virtual int32 GetRowCount() const = 0;
    virtual int32 GetColumnCount() const = 0;
    // 0 for a row or column that does not exist.
    virtual PMReal GetColumnWidth(int32 column) const = 0;
    virtual PMReal GetRowHeight(int32 row) const = 0;
    virtual PMReal GetTotalWidth() const = 0;
    virtual PMReal GetTotalHeight() const = 0;

    // The cell object (class kTableCellBoss) at (row, column), or kInvalidUID outside the table.
    virtual UID GetCellUID(int32 row, int32 column) const = 0;
    virtual ICellContent* QueryCellContent(int32 row, int32 column) const = 0;
    virtual ITextStoryThread* QueryCellThread(int32 row, int32 column) const = 0;
    // The cells' thread dictionary (on the table model; its owner is the table model).
    virtual ITextStoryThreadDict* QueryThreadDict() const = 0;
    // The text of every cell, from the first cell's start to the last cell's end.
    virtual RangeData GetCellsTextRange() const = 0;

    // Host use (the new-table command) on the table model itself.
    struct Layout {
        UID story = kInvalidUID;
        UID anchor = kInvalidUID;
        UID frame = kInvalidUID;
        std::vector<PMReal> columnWidths;
        std::vector<PMReal> rowHeights;
        std::vector<UID> cells; // row-major, rows * columns of them
    };
    virtual void SetLayout(const Layout& layout) = 0;
};
