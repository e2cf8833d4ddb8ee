// INewTableCmdData: what the new-table command (kNewTableCmdBoss) makes. Item list in: the story;
// out: the new table model. The command inserts a 0x16 character at the position (which must lie
// in the primary thread, before its final return), anchors the table there and puts each cell's
// text, ended by a return, after the primary text and the cells of the tables anchored before it.
// It fails with kInvalidParameterError, changing nothing, for a position outside the primary
// text, no rows or columns, more than ITableModel's limits, a size that is not more than 0 and at
// most ITableModel::kMaxSize, or cell texts that are neither none nor one per cell.
#pragma once

#include <vector>

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/TextTypes.h"
#include "host/util/Geometry.h"
#include "host/util/WideString.h"

class INewTableCmdData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INEWTABLECMDDATA };
    virtual void Set(TextIndex position, const std::vector<PMReal>& columnWidths,
                     const std::vector<PMReal>& rowHeights) = 0;
    // The cells' texts in row-major order (none: every cell empty).
    virtual void SetCellTexts(const std::vector<WideString>& texts) = 0;
    virtual TextIndex GetPosition() const = 0;
    virtual const std::vector<PMReal>& GetColumnWidths() const = 0;
    virtual const std::vector<PMReal>& GetRowHeights() const = 0;
    virtual const std::vector<WideString>& GetCellTexts() const = 0;
};
