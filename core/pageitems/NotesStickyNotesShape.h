// NotesStickyNotesShape: draws a sticky note as a 10 by 10 point note icon with rounded corners in
// the annotation's colour, centred on the item's inner origin; nothing when printing or exporting.
#pragma once

#include "host/graphics/CGraphicFrameShape.h"

class IGraphicsPort;

class NotesStickyNotesShape final : public CGraphicFrameShape {
public:
    explicit NotesStickyNotesShape(IPMUnknown* boss) : CGraphicFrameShape(boss) {}

protected:
    void DrawShape(GraphicsData* graphicsData, int32 flags) override;

private:
    static void OutlinePath(IGraphicsPort* port);
};
