// ITableFrame: a table as composed (on the table frame, kTableFrameBoss): the frame column whose
// parcel of the story's primary thread shows the table's anchor, and the table's and its cells'
// rectangles in that column's inner coordinates. Derived from the composition as it is now;
// while the anchor is overset (or the story has no frame) the table is not placed: no column,
// empty rectangles.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class ITableModel;

class ITableFrame : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITABLEFRAME };
    virtual UID GetTableModelUID() const = 0;
    virtual ITableModel* QueryTableModel() const = 0;

    virtual bool16 IsPlaced() const = 0;
    // The frame column (class kFrameItemBoss) that shows the table, or kInvalidUID.
    virtual UID GetFrameColumnUID() const = 0;
    // The table's rectangle in the column's inner coordinates.
    virtual PMRect GetBounds() const = 0;
    // From the column's inner coordinates to pasteboard coordinates.
    virtual PMMatrix GetInnerToPasteboardMatrix() const = 0;
    // A cell's rectangle in the column's inner coordinates (empty outside the table).
    virtual PMRect GetCellBounds(int32 row, int32 column) const = 0;
    // The cell (class kTableCellBoss) whose rectangle holds a pasteboard point, or kInvalidUID.
    virtual UID FindCellAt(const PMPoint& pasteboardPoint) const = 0;
};
