// IPathGeometry: the paths of a spline item in its inner coordinates. Each path is a list of
// points joined by Bézier segments (a segment is straight when its direction points lie on the anchors).
#pragma once

#include "host/document/PMPathPoint.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IPathGeometry : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IPATHGEOMETRY };

    virtual int32 GetNumPaths() const = 0;
    virtual int32 GetNumPoints(int32 pathIndex) const = 0;
    virtual const PMPathPointList& GetPath(int32 pathIndex) const = 0;
    virtual PMPathPoint GetPathPoint(int32 pathIndex, int32 pointIndex) const = 0;
    virtual bool16 IsPathOpen(int32 pathIndex) const = 0;

    virtual void RemoveAllPaths() = 0;
    // Appends a path (closed unless said otherwise) and answers its index.
    virtual int32 AddPath(const PMPathPointList& points, bool16 open = kFalse) = 0;
    virtual void AddPathPoint(int32 pathIndex, const PMPathPoint& point) = 0;
    virtual void SetPathPoint(int32 pathIndex, int32 pointIndex, const PMPathPoint& point) = 0;
    virtual void OpenPath(int32 pathIndex) = 0;
    virtual void ClosePath(int32 pathIndex) = 0;
    // Applies a matrix to every point of every path.
    virtual void TransformPaths(const PMMatrix& matrix) = 0;

    // The exact bounding box of the curves of all paths; an empty rectangle when there are none.
    virtual PMRect GetPathBoundingBox() const = 0;
};
