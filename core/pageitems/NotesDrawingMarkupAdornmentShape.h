// NotesDrawingMarkupAdornmentShape: the selection frame of a selected annotation page item: a red
// 2 pt frame 10 pt outside the item's bounds, drawn after the item and never printed.
#pragma once

#include "host/graphics/IAdornmentShape.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesDrawingMarkupAdornmentShape final : public CPMUnknown<IAdornmentShape> {
public:
    explicit NotesDrawingMarkupAdornmentShape(IPMUnknown* boss) : CPMUnknown<IAdornmentShape>(boss) {}
    int32 GetDrawOrderBits() const override { return kAfterShape; }
    void DrawAdornment(IPMUnknown* pageItem, GraphicsData* graphicsData, int32 drawOrder,
                       int32 flags) override;
    PMRect GetPaintedBBox(IPMUnknown* pageItem) const override;
    // Views redraw from the document's notifications; nothing is kept to invalidate.
    void Inval(IPMUnknown*) override {}
};
