// PathGeometry: the stored paths of a spline item. The bounding box is kept until the paths
// change: text composition asks every frame of a story for it after each change to the document.
#include <optional>

#include "../database/CountedList.h"
#include "../objectmodel/HostImplementations.h"
#include "BezierBounds.h"
#include "host/database/IPMStream.h"
#include "host/document/IPathGeometry.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
struct Path {
    PMPathPointList points;
    bool16 open = kFalse;
};

class PathGeometry final : public CPMUnknown<IPathGeometry> {
public:
    explicit PathGeometry(IPMUnknown* boss) : CPMUnknown<IPathGeometry>(boss) {}

    int32 GetNumPaths() const override { return static_cast<int32>(fPaths.size()); }
    int32 GetNumPoints(int32 pathIndex) const override {
        return Valid(pathIndex) ? static_cast<int32>(At(pathIndex).points.size()) : 0;
    }
    const PMPathPointList& GetPath(int32 pathIndex) const override {
        static const PMPathPointList kNoPath;
        return Valid(pathIndex) ? At(pathIndex).points : kNoPath;
    }
    PMPathPoint GetPathPoint(int32 pathIndex, int32 pointIndex) const override {
        if (pointIndex < 0 || pointIndex >= GetNumPoints(pathIndex))
            return PMPathPoint();
        return At(pathIndex).points[static_cast<size_t>(pointIndex)];
    }
    bool16 IsPathOpen(int32 pathIndex) const override {
        return Valid(pathIndex) ? At(pathIndex).open : kTrue;
    }

    void RemoveAllPaths() override {
        Changing();
        fPaths.clear();
    }
    int32 AddPath(const PMPathPointList& points, bool16 open) override {
        Changing();
        fPaths.push_back(Path{points, open});
        return GetNumPaths() - 1;
    }
    void AddPathPoint(int32 pathIndex, const PMPathPoint& point) override {
        if (!Valid(pathIndex))
            return;
        Changing();
        Mutable(pathIndex).points.push_back(point);
    }
    void SetPathPoint(int32 pathIndex, int32 pointIndex, const PMPathPoint& point) override {
        if (pointIndex < 0 || pointIndex >= GetNumPoints(pathIndex))
            return;
        Changing();
        Mutable(pathIndex).points[static_cast<size_t>(pointIndex)] = point;
    }
    void OpenPath(int32 pathIndex) override { SetOpen(pathIndex, kTrue); }
    void ClosePath(int32 pathIndex) override { SetOpen(pathIndex, kFalse); }
    void TransformPaths(const PMMatrix& matrix) override {
        Changing();
        for (Path& path : fPaths)
            for (PMPathPoint& point : path.points)
                point.Transform(matrix);
    }

    PMRect GetPathBoundingBox() const override {
        if (!fBounds) {
            PMRect box;
            bool empty = true;
            for (const Path& path : fPaths)
                BezierBounds::AddPath(path.points, !path.open, &box, &empty);
            fBounds = box;
        }
        return *fBounds;
    }

    void ReadWrite(IPMStream* stream, ImplementationID) override {
        if (stream->IsReading())
            fBounds.reset();
        CountedList::Xfer(stream, fPaths, XferPath);
    }

private:
    static void XferPath(IPMStream* stream, Path& path) {
        stream->XferBool(path.open);
        CountedList::Xfer(stream, path.points, XferPoint);
    }
    static void XferPoint(IPMStream* stream, PMPathPoint& point) {
        PMPoint left = point.GetLeftDirPoint(), anchor = point.GetAnchor(), right = point.GetRightDirPoint();
        stream->XferPoint(left);
        stream->XferPoint(anchor);
        stream->XferPoint(right);
        point = PMPathPoint(left, anchor, right);
    }
    bool Valid(int32 index) const { return index >= 0 && index < GetNumPaths(); }
    const Path& At(int32 index) const { return fPaths[static_cast<size_t>(index)]; }
    Path& Mutable(int32 index) { return fPaths[static_cast<size_t>(index)]; }
    void SetOpen(int32 pathIndex, bool16 open) {
        if (!Valid(pathIndex) || At(pathIndex).open == open)
            return;
        Changing();
        Mutable(pathIndex).open = open;
    }
    // Every change to the paths goes through here: it records the change and drops the kept bounds.
    void Changing() {
        PreDirty();
        fBounds.reset();
    }

    std::vector<Path> fPaths;
    mutable std::optional<PMRect> fBounds;
};
} // namespace

ImplementationDeclaration MakePathGeometryImplementation(ImplementationID id) {
    return IMPLEMENTATION(PathGeometry, id, true);
}
