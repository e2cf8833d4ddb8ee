// NotesStickyNotesHandleShape: the selection handles of a sticky note. Its eight handles are drawn
// around a thin red outline, but none of them can be hit: a note keeps its fixed icon size, so it is
// never resized by dragging a handle. Moving it is left to the host's hit test of the item itself.
#pragma once

#include "host/graphics/CHandleShape.h"

class NotesStickyNotesHandleShape final : public CHandleShape {
public:
    explicit NotesStickyNotesHandleShape(IPMUnknown* boss) : CHandleShape(boss) {}
    bool16 HitTest(GraphicsData* graphicsData, const PMPoint& point, PointSelector* selector) override;

protected:
    void DrawPathImmediate(GraphicsData* graphicsData, const PMMatrix& innerToPasteboard) override;
    bool16 HitTestHandlesImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                   PointSelector* selector) override;
    bool16 HitTestPathImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                PointSelector* selector) override;
    bool16 HitTestOneHandle(const PMPoint& handleCenter, const PMPoint& point) override;
};
