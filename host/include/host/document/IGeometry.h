// IGeometry: the bounds of an object in its inner coordinates.
// For a path item it is the bounding box of its path; setting it scales the path to the new box.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class IGeometry : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IGEOMETRY };

    virtual PMRect GetPathBoundingBox() const = 0;
    // Answers kFailure when the object cannot take the bounds (an empty box, a group, a spread).
    virtual ErrorCode SetPathBoundingBox(const PMRect& bounds) = 0;
    // The path bounds grown by half the stroke weight, where ink may fall.
    virtual PMRect GetStrokeBoundingBox() const = 0;
};
