#include "NotesStickyNotesShape.h"

#include "INotesAnnotation.h"
#include "host/database/IDataBase.h"
#include "host/document/ISwatchUtils.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IGraphicsPort.h"
#include "host/graphics/IShape.h"
#include "host/objectmodel/ObjectModel.h"
#include "NotesFailureLog.h"

void NotesStickyNotesShape::OutlinePath(IGraphicsPort* port) {
    // A square with rounded corners whose two control points both lie on the corner.
    port->moveto(-5, -1);
    port->curveto(-5, -5, -5, -5, -1, -5);
    port->lineto(1, -5);
    port->curveto(5, -5, 5, -5, 5, -1);
    port->lineto(5, 1);
    port->curveto(5, 5, 5, 5, 1, 5);
    port->lineto(-1, 5);
    port->curveto(-5, 5, -5, 5, -5, 1);
    port->closepath();
}

void NotesStickyNotesShape::DrawShape(GraphicsData* graphicsData, int32 flags) {
    if (flags & IShape::kDrawFlagsForOutput)
        return;
    if (!NOTES_CHECK_NIL(graphicsData))
        return;
    IGraphicsPort* graphicsPort = graphicsData->GetGraphicsPort();
    if (!NOTES_CHECK_NIL(graphicsPort))
        return;
    InterfacePtr<INotesAnnotation> annotation(this, IID_INOTESANNOTATION);
    Utils<ISwatchUtils> swatchUtils;
    if (!NOTES_CHECK_NIL(annotation) || !NOTES_CHECK_NIL(swatchUtils))
        return;
    const std::vector<PMReal> colorArray =
        swatchUtils->GetRGBComponents(UIDRef(::GetDataBase(this), annotation->GetColor()));
    if (!NOTES_CHECK_TRUE(colorArray.size() == 3))
        return;

    graphicsPort->gsave();
    graphicsPort->setrgbcolor(colorArray[0], colorArray[1], colorArray[2]);
    graphicsPort->setlinewidth(1.0);
    OutlinePath(graphicsPort);
    graphicsPort->fill();
    graphicsPort->newpath();
    graphicsPort->setrgbcolor(0, 0, 0);
    graphicsPort->setlinewidth(1.0);
    OutlinePath(graphicsPort);
    graphicsPort->stroke();
    for (const PMReal y : {-3.0, 1.0, -1.0, 3.0}) {
        graphicsPort->moveto(-3, y);
        graphicsPort->lineto(3, y);
    }
    graphicsPort->stroke();
    graphicsPort->grestore();
}
