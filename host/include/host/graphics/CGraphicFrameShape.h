// CGraphicFrameShape: the default IShape of page items and the base of plug-in shapes.
// Draw concatenates the item's inner-to-parent matrix, runs the kBeforeShape adornments, DrawShape,
// the item's content (its hierarchy children that have a shape, such as a text frame's text),
// then the kAfterShape adornments. The default DrawShape fills the path with the fill swatch, then
// strokes it with weight, colour, dash, corner effect and arrowheads.
#pragma once

#include "host/graphics/IShape.h"
#include "host/objectmodel/CPMUnknown.h"

class IGraphicsPort;

class CGraphicFrameShape : public CPMUnknown<IShape> {
public:
    explicit CGraphicFrameShape(IPMUnknown* boss) : CPMUnknown<IShape>(boss) {}
    void Draw(GraphicsData* graphicsData, int32 flags) override;

protected:
    // Draws the item in its inner coordinates.
    virtual void DrawShape(GraphicsData* graphicsData, int32 flags);
    void DrawContent(GraphicsData* graphicsData, int32 flags);
    void DrawAdornments(GraphicsData* graphicsData, int32 drawOrder, int32 flags);
};
