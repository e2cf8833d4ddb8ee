// PointSelector: what a handle hit test found: a handle of an item (a bounding-box handle by its
// rectangle point index, or a path point by path and point index) or the item's outline.
#pragma once

#include "host/database/UIDRef.h"

class PointSelector {
public:
    enum HitKind { kNoHit = 0, kHandleHit = 1, kPathPointHit = 2, kOutlineHit = 3 };

    void SelectHandle(const UIDRef& item, int32 rectPointIndex) {
        Select(kHandleHit, item, -1, rectPointIndex);
    }
    void SelectPathPoint(const UIDRef& item, int32 pathIndex, int32 pointIndex) {
        Select(kPathPointHit, item, pathIndex, pointIndex);
    }
    void SelectOutline(const UIDRef& item) { Select(kOutlineHit, item, -1, -1); }
    void Clear() { Select(kNoHit, UIDRef(), -1, -1); }

    HitKind GetHitKind() const { return fKind; }
    const UIDRef& GetItem() const { return fItem; }
    // -1 unless a path point was hit.
    int32 GetPathIndex() const { return fPath; }
    // The rectangle point index of a handle, or the point index within its path; -1 otherwise.
    int32 GetPointIndex() const { return fPoint; }

private:
    void Select(HitKind kind, const UIDRef& item, int32 path, int32 point) {
        fKind = kind;
        fItem = item;
        fPath = path;
        fPoint = point;
    }
    HitKind fKind = kNoHit;
    UIDRef fItem;
    int32 fPath = -1;
    int32 fPoint = -1;
};
