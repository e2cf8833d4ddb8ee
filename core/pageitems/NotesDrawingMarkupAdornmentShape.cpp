#include "NotesDrawingMarkupAdornmentShape.h"

#include "host/document/IGeometry.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IGraphicsPort.h"
#include "host/graphics/IShape.h"
#include "host/objectmodel/InterfacePtr.h"
#include "lifecycle/NotesDocumentAccess.h"
#include "NotesFailureLog.h"

namespace {
constexpr PMReal kFrameDistance = 10.0;
constexpr PMReal kPaintedMargin = 12.0;
} // namespace

void NotesDrawingMarkupAdornmentShape::DrawAdornment(IPMUnknown* pageItem, GraphicsData* graphicsData,
                                                     int32 drawOrder, int32 flags) {
    if (!NOTES_CHECK_TRUE(drawOrder == kAfterShape) || (flags & IShape::kPrinting))
        return;
    InterfacePtr<IGeometry> geometry(pageItem, IID_IGEOMETRY);
    IGraphicsPort* port = graphicsData ? graphicsData->GetGraphicsPort() : nullptr;
    if (!NOTES_CHECK_NIL(geometry) || !NOTES_CHECK_NIL(port))
        return;
    const PMRect bounds = geometry->GetPathBoundingBox();
    port->newpath();
    port->setlinewidth(2.0);
    port->setrgbcolor(1, 0, 0);
    port->moveto(bounds.Left() - kFrameDistance, bounds.Top() - kFrameDistance);
    port->lineto(bounds.Right() + kFrameDistance, bounds.Top() - kFrameDistance);
    port->lineto(bounds.Right() + kFrameDistance, bounds.Bottom() + kFrameDistance);
    port->lineto(bounds.Left() - kFrameDistance, bounds.Bottom() + kFrameDistance);
    port->closepath();
    port->stroke();
}

PMRect NotesDrawingMarkupAdornmentShape::GetPaintedBBox(IPMUnknown* pageItem) const {
    const PMRect bounds = NotesDocumentAccess::PasteboardBoundsOf(pageItem);
    return PMRect(bounds.Left() - kPaintedMargin, bounds.Top() - kPaintedMargin,
                  bounds.Right() + kPaintedMargin, bounds.Bottom() + kPaintedMargin);
}
