// IMultiColumnItemData: how many columns a text frame has and the gap between them. On a
// multi-column item (stored) and on the create-text-frame command (what to make).
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/BaseTypes.h"

class IMultiColumnItemData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IMULTICOLUMNITEMDATA };
    static constexpr int32 kMaxColumns = 40;
    static constexpr PMReal kDefaultGutter = 12.0;

    virtual int32 GetNumberOfColumns() const = 0;
    // Clamped to 1..kMaxColumns.
    virtual void SetNumberOfColumns(int32 columns) = 0;
    virtual PMReal GetGutter() const = 0;
    // Negative gutters count as zero.
    virtual void SetGutter(PMReal gutter) = 0;
};
