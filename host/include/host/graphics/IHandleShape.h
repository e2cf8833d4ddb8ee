// IHandleShape: how a selected page item shows its selection handles and finds a handle under a
// point. The port and points are in pasteboard coordinates. Nothing is drawn when the draw flags
// say printing or exporting (IShape::kPrinting, IShape::kPreviewOnlyOff).
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class GraphicsData;
class PointSelector;

class IHandleShape : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IHANDLESHAPE };
    // Draws in the port's current colour, which the caller sets.
    virtual void Draw(GraphicsData* graphicsData, int32 flags) = 0;
    // True when the point hits a handle (or the outline); the selector, when given, learns what.
    virtual bool16 HitTest(GraphicsData* graphicsData, const PMPoint& point, PointSelector* selector) = 0;
    // The area the handles paint, in pasteboard coordinates.
    virtual PMRect GetPaintedBBox() = 0;
};
