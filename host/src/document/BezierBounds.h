// BezierBounds: the exact bounding box of paths made of cubic Bézier segments.
#pragma once

#include "host/document/PMPathPoint.h"

namespace BezierBounds {
// Grows box (an empty-flagged box starts it) by one path; closed paths include the closing segment.
void AddPath(const PMPathPointList& path, bool closed, PMRect* box, bool* empty);
} // namespace BezierBounds
