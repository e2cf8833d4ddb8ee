// CHandleShape: the default IHandleShape and the base of plug-in handle shapes. Draws the outline
// of the item's bounds and eight filled handle squares (HandleDrawing rectangle points) of
// kHandleSize points; hit tests the handles, then the outline. The *Immediate steps take the
// item's inner-to-pasteboard matrix and work in pasteboard coordinates.
#pragma once

#include "host/database/UIDRef.h"
#include "host/graphics/IHandleShape.h"
#include "host/objectmodel/CPMUnknown.h"

class CHandleShape : public CPMUnknown<IHandleShape> {
public:
    static constexpr int32 kHandleSize = 5;

    explicit CHandleShape(IPMUnknown* boss) : CPMUnknown<IHandleShape>(boss) {}
    void Draw(GraphicsData* graphicsData, int32 flags) override;
    bool16 HitTest(GraphicsData* graphicsData, const PMPoint& point, PointSelector* selector) override;
    PMRect GetPaintedBBox() override;

protected:
    virtual void DrawPathImmediate(GraphicsData* graphicsData, const PMMatrix& innerToPasteboard);
    virtual void DrawHandlesImmediate(GraphicsData* graphicsData, const PMMatrix& innerToPasteboard,
                                      int32 flags);
    // The item's bounds with room for the handles, mapped by the matrix.
    virtual PMRect GetBBoxImmediate(const PMMatrix& innerToView);
    virtual bool16 HitTestHandlesImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                           PointSelector* selector);
    virtual bool16 HitTestPathImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                        PointSelector* selector);
    // Whether the point hits the handle centred on handleCenter (pasteboard coordinates).
    virtual bool16 HitTestOneHandle(const PMPoint& handleCenter, const PMPoint& point);

    // The item's path bounds in its inner coordinates, and its inner-to-pasteboard matrix.
    PMRect GetInnerBounds() const;
    PMMatrix GetInnerToPasteboard() const;
    UIDRef GetItemRef() const;
};
