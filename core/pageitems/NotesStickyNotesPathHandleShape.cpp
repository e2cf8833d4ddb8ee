#include "NotesStickyNotesPathHandleShape.h"

#include "host/graphics/PointSelector.h"

// The path's own tests run into a scratch selector, so what they find is never handed on.
bool16 NotesStickyNotesPathHandleShape::HitTestHandlesImmediate(const PMMatrix& innerToPasteboard,
                                                                const PMPoint& point, PointSelector*) {
    PointSelector ignored;
    PathHandleShape::HitTestHandlesImmediate(innerToPasteboard, point, &ignored);
    return kFalse;
}

bool16 NotesStickyNotesPathHandleShape::HitTestPathImmediate(const PMMatrix& innerToPasteboard,
                                                             const PMPoint& point, PointSelector*) {
    PointSelector ignored;
    PathHandleShape::HitTestPathImmediate(innerToPasteboard, point, &ignored);
    return kFalse;
}
