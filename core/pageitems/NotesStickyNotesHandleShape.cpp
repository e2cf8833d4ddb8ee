#include "NotesStickyNotesHandleShape.h"

#include "host/graphics/GraphicsData.h"
#include "host/graphics/HandleDrawing.h"
#include "host/graphics/IGraphicsPort.h"
#include "NotesFailureLog.h"

bool16 NotesStickyNotesHandleShape::HitTest(GraphicsData* graphicsData, const PMPoint& point,
                                            PointSelector* selector) {
    if (!NOTES_CHECK_NIL(graphicsData))
        return kFalse;
    return HitTestHandlesImmediate(GetInnerToPasteboard(), point, selector);
}

void NotesStickyNotesHandleShape::DrawPathImmediate(GraphicsData* graphicsData,
                                                    const PMMatrix& innerToPasteboard) {
    IGraphicsPort* graphicsPort = graphicsData ? graphicsData->GetGraphicsPort() : nullptr;
    if (!NOTES_CHECK_NIL(graphicsPort))
        return;
    const PMRect bounds = GetInnerBounds();
    graphicsPort->gsave();
    graphicsPort->setrgbcolor(1.0, 0.0, 0.0);
    graphicsPort->newpath();
    for (int32 i = HandleDrawing::kLeftTop; i <= HandleDrawing::kLeftBottom; ++i) {
        const PMPoint corner = innerToPasteboard.TransformPoint(HandleDrawing::GetRectPoint(bounds, i));
        if (i == HandleDrawing::kLeftTop)
            graphicsPort->moveto(corner.X(), corner.Y());
        else
            graphicsPort->lineto(corner.X(), corner.Y());
    }
    graphicsPort->closepath();
    graphicsPort->setlinewidth(0); // the thinnest line the device draws
    graphicsPort->stroke();
    graphicsPort->grestore();
}

bool16 NotesStickyNotesHandleShape::HitTestHandlesImmediate(const PMMatrix&, const PMPoint&, PointSelector*) {
    return kFalse;
}

bool16 NotesStickyNotesHandleShape::HitTestPathImmediate(const PMMatrix&, const PMPoint&, PointSelector*) {
    return kFalse;
}

bool16 NotesStickyNotesHandleShape::HitTestOneHandle(const PMPoint&, const PMPoint&) {
    return kFalse;
}
