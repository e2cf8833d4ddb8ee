// NotesStickyNotesPathHandleShape: the direct-selection handles of a sticky note. Its path points
// are drawn like any path's, but none can be hit, so a note's outline is never edited.
#pragma once

#include "host/graphics/PathHandleShape.h"

class NotesStickyNotesPathHandleShape final : public PathHandleShape {
public:
    explicit NotesStickyNotesPathHandleShape(IPMUnknown* boss) : PathHandleShape(boss) {}

protected:
    bool16 HitTestHandlesImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                   PointSelector* selector) override;
    bool16 HitTestPathImmediate(const PMMatrix& innerToPasteboard, const PMPoint& point,
                                PointSelector* selector) override;
};
