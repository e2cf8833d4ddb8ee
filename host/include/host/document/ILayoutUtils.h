// ILayoutUtils: where page items sit: the page that owns an item, the spread and page under a point.
#pragma once

#include "host/database/UIDRef.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class IDocument;

class ILayoutUtils : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ILAYOUTUTILS };
    // The page whose bounds hold the centre of the item's bounds; the item's spread when the centre
    // lies on the pasteboard; kInvalidUID for an item outside any spread.
    virtual UID GetOwnerPageUID(const IPMUnknown* pageItem) const = 0;
    // The spread whose pasteboard holds the point (pasteboard coordinates), or kInvalidUID.
    virtual UID GetSpreadUIDAtPoint(const IDocument* document, const PMPoint& point) const = 0;
    // The page whose bounds hold the point, or kInvalidUID.
    virtual UID GetPageUIDAtPoint(const IDocument* document, const PMPoint& point) const = 0;
    // The page's bounds in pasteboard coordinates.
    virtual PMRect GetPageBoundsOnPasteboard(const UIDRef& page) const = 0;
    // The frontmost page item of the spread whose bounds (stroke included) hold the pasteboard
    // point, as the item that sits directly on its spread layer (a group rather than its member);
    // kInvalidUID when none does. Items on hidden or locked layers are never hit.
    virtual UID GetPageItemAtPoint(const UIDRef& spread, const PMPoint& point) const = 0;
};
