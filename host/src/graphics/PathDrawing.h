// PathDrawing: turns page-item paths and their stroke decorations into port calls.
#pragma once

#include "host/document/PMPathPoint.h"
#include "host/objectmodel/ObjectIDs.h"

class IGraphicsPort;

namespace PathDrawing {
// Adds a path to the port's current path; a closed path gets its closing segment and closepath.
void AddPath(IGraphicsPort* port, const PMPathPointList& path, bool closed);
// The same with each corner of a straight-sided closed path rounded to radius (clipped to half
// the adjoining sides).
void AddRoundedPath(IGraphicsPort* port, const PMPathPointList& path, PMReal radius);
// Draws an arrowhead of a host arrowhead class with its tip at tip, pointing along direction
// (radians, the way the line leaves the path), sized for the stroke weight. The colour is set.
void DrawArrowhead(IGraphicsPort* port, ClassID arrowhead, const PMPoint& tip, PMReal direction,
                   PMReal weight);
// The dash pattern of the dashed stroke type for a weight.
std::vector<PMReal> DashPattern(PMReal weight);
} // namespace PathDrawing
