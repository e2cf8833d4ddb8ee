#include "NotesAnnotationShape.h"

void NotesAnnotationShape::Draw(GraphicsData* graphicsData, int32 flags) {
    if (flags & IShape::kDrawFlagsForOutput)
        return; // comments are for review on screen; a print or an export leaves them out
    CGraphicFrameShape::Draw(graphicsData, flags);
}
