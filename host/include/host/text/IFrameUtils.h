// IFrameUtils: text frames of the layout and the text under a point (a utility interface).
#pragma once

#include <vector>

#include "host/database/UIDList.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/Parcel.h"
#include "host/text/RangeData.h"
#include "host/util/Geometry.h"

class IMultiColumnTextFrame;
class ITextStoryThread;

class IFrameUtils : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IFRAMEUTILS };
    // What lies under a point: the story and column, and the real-valued text position there
    // (-1 when the point is in a column but on no line; story kInvalidUID when in no column).
    struct TextHit {
        UID story = kInvalidUID;
        UID column = kInvalidUID;
        PMReal position = -1.0;
    };

    // The multi-column frame of a text frame page item, of the multi-column item itself or of
    // one of its columns; nullptr for anything else.
    virtual IMultiColumnTextFrame* QueryMultiColumnTextFrame(const IPMUnknown* item) const = 0;
    // The multi-column items of every text frame on a spread, in drawing order.
    virtual UIDList GetTextFrames(const UIDRef& spread) const = 0;
    // The frontmost column of a spread whose bounds hold the pasteboard point, and the text there
    // (a table cell's where the point is in a cell of a table the column shows).
    virtual TextHit FindTextAtPoint(const UIDRef& spread, const PMPoint& pasteboardPoint) const = 0;
    // The text position at a pasteboard point in one parcel of a thread; -1 where no line is.
    virtual PMReal TextPositionAtPoint(const ITextStoryThread* thread, ParcelKey key,
                                       const PMPoint& pasteboardPoint) const = 0;
    // The boxes a story's text range covers on a spread, one per line piece, in pasteboard
    // coordinates: from the line's top to its bottom, from the first character's left edge to the
    // last one's right edge. An empty range gives a box of no width at its index (a caret).
    virtual std::vector<PMRect> GetTextRangeBoxes(const UIDRef& spread, UID story,
                                                  const RangeData& range) const = 0;
};
