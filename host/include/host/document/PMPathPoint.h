// PMPathPoint: one anchor point of a path with its two direction (control) points.
// A corner point has both direction points on its anchor.
#pragma once

#include <vector>

#include "host/util/Geometry.h"

class PMPathPoint {
public:
    PMPathPoint() = default;
    explicit PMPathPoint(const PMPoint& anchor) : fAnchor(anchor), fLeft(anchor), fRight(anchor) {}
    // left is the direction point towards the previous anchor, right towards the next one.
    PMPathPoint(const PMPoint& left, const PMPoint& anchor, const PMPoint& right)
        : fAnchor(anchor), fLeft(left), fRight(right) {}

    const PMPoint& GetAnchor() const { return fAnchor; }
    const PMPoint& GetLeftDirPoint() const { return fLeft; }
    const PMPoint& GetRightDirPoint() const { return fRight; }
    bool IsCorner() const { return fLeft == fAnchor && fRight == fAnchor; }
    void Transform(const PMMatrix& matrix) {
        matrix.Transform(&fAnchor);
        matrix.Transform(&fLeft);
        matrix.Transform(&fRight);
    }
    bool operator==(const PMPathPoint& o) const = default;

private:
    PMPoint fAnchor;
    PMPoint fLeft;
    PMPoint fRight;
};

using PMPathPointList = std::vector<PMPathPoint>;
using PMPointList = std::vector<PMPoint>;
