// HandleDrawing: the selection handles' geometry: the eight handle points of a rectangle, and
// handle squares of a fixed size in pasteboard coordinates, whatever the item's transform.
#pragma once

#include "host/util/BaseTypes.h"
#include "host/util/Geometry.h"

class IGraphicsPort;

namespace HandleDrawing {
// Rectangle point indexes: the corners clockwise from the left top, then the side midpoints
// clockwise from the top.
enum RectPointIndex {
    kLeftTop = 0,
    kRightTop = 1,
    kRightBottom = 2,
    kLeftBottom = 3,
    kTopMiddle = 4,
    kRightMiddle = 5,
    kBottomMiddle = 6,
    kLeftMiddle = 7,
    kRectPointCount = 8
};
PMPoint GetRectPoint(const PMRect& rect, int32 index);
// The handle square of side size centred on the point.
PMRect HandleRect(const PMPoint& center, PMReal size);
// Adds the square to the current path; the caller fills all squares at once.
void AddHandleSquare(IGraphicsPort* port, const PMPoint& center, PMReal size);
bool16 HitsHandle(const PMPoint& center, PMReal size, const PMPoint& point);
// Whether the point lies within tolerance of the segment from a to b.
bool16 HitsSegment(const PMPoint& a, const PMPoint& b, PMReal tolerance, const PMPoint& point);
} // namespace HandleDrawing
