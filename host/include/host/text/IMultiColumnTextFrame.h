// IMultiColumnTextFrame: the text of a text frame: the story it shows, its columns (its
// hierarchy children, left to right, each a parcel of the story's primary thread) and the text
// range they show. The composition behind the answers is made on demand, never stored.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"
#include "host/util/Geometry.h"

class ITextModel;
class ITextFrameColumn;

class IMultiColumnTextFrame : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IMULTICOLUMNTEXTFRAME };
    virtual UID GetTextModelUID() const = 0;
    virtual ITextModel* QueryTextModel() const = 0;
    // The text frame page item (the spline) this item belongs to.
    virtual UID GetFrameItemUID() const = 0;

    virtual int32 GetColumnCount() const = 0;
    virtual UID GetNthColumnUID(int32 n) const = 0;
    virtual ITextFrameColumn* QueryFrameColumn(int32 n) const = 0;
    // Column n's bounds in this item's inner coordinates (the frame's bounds less the inset,
    // divided by the gutters); an empty rectangle for a column that does not exist.
    virtual PMRect GetColumnBounds(int32 n) const = 0;

    // The text the columns show; an empty range where the text would go on when they show none.
    virtual TextIndex TextStart() const = 0;
    virtual int32 TextSpan() const = 0;
    virtual RangeData GetTextRange() const = 0;
    // Whether text is left over after this frame because no later frame takes it.
    virtual bool16 IsOverset() const = 0;
    // The real-valued text position at a pasteboard point in one of the columns (a point within
    // half a point outside a column counts as in it); -1 where no column holds the point or no
    // line of it lies there.
    virtual PMReal TextPositionAt(const PMPoint& pasteboardPoint) const = 0;

    // Host use: the story the frame shows.
    virtual void SetTextModelUID(UID story) = 0;
};
