// PathHandleShape: the direct-selection handles of a path item: its path drawn as an outline and
// a handle square on every anchor point of its IPathGeometry; hit tests find a path point
// (PointSelector::kPathPointHit), then the outline.
#pragma once

#include "host/graphics/CHandleShape.h"

class PathHandleShape : public CHandleShape {
public:
    explicit PathHandleShape(IPMUnknown* boss) : CHandleShape(boss) {}

protected:
    void DrawPathImmediate(GraphicsData* graphicsData, const PMMatrix& innerToPasteboard) override;
    void DrawHandlesImmediate(GraphicsData* graphicsData, const PMMatrix& innerToPasteboard,
                              int32 flags) override;
    bool16 HitTestHandlesImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                   PointSelector* selector) override;
    bool16 HitTestPathImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                PointSelector* selector) override;
};
