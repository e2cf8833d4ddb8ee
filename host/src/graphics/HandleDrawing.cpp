#include "host/graphics/HandleDrawing.h"

#include <algorithm>
#include <cmath>

#include "host/graphics/IGraphicsPort.h"

namespace HandleDrawing {
PMPoint GetRectPoint(const PMRect& rect, int32 index) {
    const PMPoint center = rect.GetCenter();
    switch (index) {
    case kLeftTop:
        return rect.LeftTop();
    case kRightTop:
        return {rect.Right(), rect.Top()};
    case kRightBottom:
        return rect.RightBottom();
    case kLeftBottom:
        return {rect.Left(), rect.Bottom()};
    case kTopMiddle:
        return {center.X(), rect.Top()};
    case kRightMiddle:
        return {rect.Right(), center.Y()};
    case kBottomMiddle:
        return {center.X(), rect.Bottom()};
    case kLeftMiddle:
        return {rect.Left(), center.Y()};
    default:
        return center;
    }
}

PMRect HandleRect(const PMPoint& center, PMReal size) {
    const PMReal half = size / 2;
    return PMRect(center.X() - half, center.Y() - half, center.X() + half, center.Y() + half);
}

void AddHandleSquare(IGraphicsPort* port, const PMPoint& center, PMReal size) {
    port->rectpath(HandleRect(center, size));
}

bool16 HitsHandle(const PMPoint& center, PMReal size, const PMPoint& point) {
    const PMReal half = size / 2;
    return std::abs(point.X() - center.X()) <= half && std::abs(point.Y() - center.Y()) <= half;
}

bool16 HitsSegment(const PMPoint& a, const PMPoint& b, PMReal tolerance, const PMPoint& point) {
    const PMPoint ab = b - a;
    const PMPoint ap = point - a;
    const PMReal lengthSquared = ab.X() * ab.X() + ab.Y() * ab.Y();
    // The nearest point of the segment, as a fraction of the way from a to b.
    const PMReal t =
        lengthSquared > 0 ? std::clamp((ap.X() * ab.X() + ap.Y() * ab.Y()) / lengthSquared, 0.0, 1.0) : 0.0;
    const PMReal dx = point.X() - (a.X() + t * ab.X());
    const PMReal dy = point.Y() - (a.Y() + t * ab.Y());
    return std::hypot(dx, dy) <= tolerance;
}
} // namespace HandleDrawing
