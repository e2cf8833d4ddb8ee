#include "BezierBounds.h"

#include <algorithm>
#include <cmath>

namespace {
void AddPoint(const PMPoint& p, PMRect* box, bool* empty) {
    if (*empty) {
        *box = PMRect(p, p);
        *empty = false;
        return;
    }
    box->Left(std::min(box->Left(), p.X()));
    box->Top(std::min(box->Top(), p.Y()));
    box->Right(std::max(box->Right(), p.X()));
    box->Bottom(std::max(box->Bottom(), p.Y()));
}

PMReal Cubic(PMReal a, PMReal b, PMReal c, PMReal d, PMReal t) {
    const PMReal u = 1 - t;
    return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
}

// Parameters in (0, 1) where one coordinate of the curve has a turning point.
void Extrema(PMReal a, PMReal b, PMReal c, PMReal d, std::vector<PMReal>* ts) {
    // Derivative / 3: qa t^2 + qb t + qc.
    const PMReal qa = -a + 3 * b - 3 * c + d;
    const PMReal qb = 2 * (a - 2 * b + c);
    const PMReal qc = b - a;
    if (std::fabs(qa) < 1e-12) {
        if (std::fabs(qb) > 1e-12)
            ts->push_back(-qc / qb);
        return;
    }
    const PMReal disc = qb * qb - 4 * qa * qc;
    if (disc < 0)
        return;
    const PMReal root = std::sqrt(disc);
    ts->push_back((-qb + root) / (2 * qa));
    ts->push_back((-qb - root) / (2 * qa));
}

void AddSegment(const PMPathPoint& from, const PMPathPoint& to, PMRect* box, bool* empty) {
    const PMPoint p0 = from.GetAnchor(), p1 = from.GetRightDirPoint(), p2 = to.GetLeftDirPoint(),
                  p3 = to.GetAnchor();
    AddPoint(p3, box, empty);
    std::vector<PMReal> ts;
    Extrema(p0.X(), p1.X(), p2.X(), p3.X(), &ts);
    Extrema(p0.Y(), p1.Y(), p2.Y(), p3.Y(), &ts);
    for (PMReal t : ts)
        if (t > 0 && t < 1)
            AddPoint({Cubic(p0.X(), p1.X(), p2.X(), p3.X(), t), Cubic(p0.Y(), p1.Y(), p2.Y(), p3.Y(), t)},
                     box, empty);
}
} // namespace

void BezierBounds::AddPath(const PMPathPointList& path, bool closed, PMRect* box, bool* empty) {
    if (path.empty())
        return;
    AddPoint(path.front().GetAnchor(), box, empty);
    for (size_t i = 1; i < path.size(); ++i)
        AddSegment(path[i - 1], path[i], box, empty);
    if (closed && path.size() > 1)
        AddSegment(path.back(), path.front(), box, empty);
}
