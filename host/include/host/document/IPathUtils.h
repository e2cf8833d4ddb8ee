// IPathUtils: making spline page items and standard paths.
#pragma once

#include "host/database/UIDRef.h"
#include "host/document/PMPathPoint.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IPathUtils : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IPATHUTILS };
    // A rectangular spline item of the class (kSplineItemBoss or one derived from it) under parent,
    // with bounds in pasteboard coordinates; processes the new-page-item command. UIDRef() on failure.
    virtual UIDRef CreateRectangleSpline(const UIDRef& parent, const PMRect& pasteboardBounds,
                                         ClassID itemClass = kSplineItemBoss) const = 0;
    // The closed path of a rectangle, corners clockwise from the left top.
    virtual PMPathPointList MakeRectanglePath(const PMRect& bounds) const = 0;
    // The closed path of the ellipse that fills the rectangle (four Bézier arcs).
    virtual PMPathPointList MakeEllipsePath(const PMRect& bounds) const = 0;
};
