// ITextFrameColumn: one column of a multi-column frame, one parcel of its story's primary thread.
// Its parcel key is its UID; its IGeometry and ITransform give the parcel's bounds and place.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/Parcel.h"
#include "host/text/RangeData.h"
#include "host/util/Geometry.h"

class IMultiColumnTextFrame;
class ITextModel;

class ITextFrameColumn : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTFRAMECOLUMN };
    virtual IMultiColumnTextFrame* QueryMultiColumnTextFrame() const = 0;
    virtual UID GetTextModelUID() const = 0;
    virtual ITextModel* QueryTextModel() const = 0;
    virtual ParcelKey GetParcelKey() const = 0;
    // The text this column shows (an empty range where the text would go on when it shows none).
    virtual TextIndex TextStart() const = 0;
    virtual int32 TextSpan() const = 0;
    // The real-valued text position at a pasteboard point; -1 where no line of the column is at
    // the point's height. Left or right of a line, the line's start or visible end answers.
    // Inside a cell of a table the column shows, the cell's text answers the same way.
    virtual PMReal TextPositionAt(const PMPoint& pasteboardPoint) const = 0;
};
