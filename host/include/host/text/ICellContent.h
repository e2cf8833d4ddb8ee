// ICellContent: what a table cell (kTableCellBoss) holds: its place in its table and its text,
// one story thread of the table's story (the cell object itself answers ITextStoryThread).
// Every cell's text ends with a paragraph return of its own that cannot be deleted.
// The cell's IParcelList holds exactly one parcel, keyed by the cell's UID: its frame is the
// frame column that shows the table, GetParcelBounds the cell's rectangle in that column's inner
// coordinates and GetParcelToPasteboardMatrix the column's transform; GetParcels gives the
// composer the cell's text area, the rectangle less kCellInset on every side (nothing while the
// table is not placed).
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"
#include "host/util/Geometry.h"

class ITableModel;
class ITextStoryThread;

class ICellContent : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ICELLCONTENT };
    static constexpr PMReal kCellInset = 4.0;

    virtual UID GetTableModelUID() const = 0;
    virtual ITableModel* QueryTableModel() const = 0;
    virtual int32 GetRow() const = 0;
    virtual int32 GetColumn() const = 0;
    // The cell's story thread (on the cell itself) and the text it holds.
    virtual ITextStoryThread* QueryTextStoryThread() const = 0;
    virtual RangeData GetTextRange() const = 0;

    // Host use (the new-table command).
    virtual void Set(UID tableModel, int32 row, int32 column) = 0;
};
