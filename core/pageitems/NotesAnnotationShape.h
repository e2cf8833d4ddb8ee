// NotesAnnotationShape: draws an annotation page item (line, polygon, free text, popup, callout)
// as any graphic frame, with its text, on screen only: nothing at all when printing or exporting.
#pragma once

#include "host/graphics/CGraphicFrameShape.h"

class NotesAnnotationShape final : public CGraphicFrameShape {
public:
    explicit NotesAnnotationShape(IPMUnknown* boss) : CGraphicFrameShape(boss) {}
    void Draw(GraphicsData* graphicsData, int32 flags) override;
};
