#include "PathDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/graphics/IGraphicsPort.h"
#include "host/objectmodel/HostIDs.h"

namespace {
constexpr PMReal kKappa = 0.5522847498307936;

void AddSegment(IGraphicsPort* port, const PMPathPoint& from, const PMPathPoint& to) {
    if (from.GetRightDirPoint() == from.GetAnchor() && to.GetLeftDirPoint() == to.GetAnchor()) {
        port->lineto(to.GetAnchor().X(), to.GetAnchor().Y());
        return;
    }
    port->curveto(from.GetRightDirPoint().X(), from.GetRightDirPoint().Y(), to.GetLeftDirPoint().X(),
                  to.GetLeftDirPoint().Y(), to.GetAnchor().X(), to.GetAnchor().Y());
}

PMPoint Towards(const PMPoint& from, const PMPoint& to, PMReal distance) {
    const PMPoint d = to - from;
    const PMReal length = std::hypot(d.X(), d.Y());
    if (length < kGeometryTolerance)
        return from;
    return {from.X() + d.X() / length * distance, from.Y() + d.Y() / length * distance};
}

PMPoint Lerp(const PMPoint& a, const PMPoint& b, PMReal t) {
    return {a.X() + (b.X() - a.X()) * t, a.Y() + (b.Y() - a.Y()) * t};
}

// A point of the arrowhead's own frame (tip at the origin, pointing along +x) placed on the page.
struct ArrowFrame {
    PMPoint tip;
    PMReal cosA, sinA, scale;
    PMPoint operator()(PMReal x, PMReal y) const {
        return {tip.X() + (x * cosA - y * sinA) * scale, tip.Y() + (x * sinA + y * cosA) * scale};
    }
};

void Polygon(IGraphicsPort* port, const ArrowFrame& f,
             std::initializer_list<std::pair<PMReal, PMReal>> points) {
    bool first = true;
    for (const auto& [x, y] : points) {
        const PMPoint p = f(x, y);
        if (first)
            port->moveto(p.X(), p.Y());
        else
            port->lineto(p.X(), p.Y());
        first = false;
    }
    port->closepath();
}

void Circle(IGraphicsPort* port, const ArrowFrame& f, PMReal r) {
    const PMReal k = r * kKappa;
    const PMPoint p0 = f(r, 0);
    port->moveto(p0.X(), p0.Y());
    const PMReal arcs[4][6] = {
        {r, k, k, r, 0, r}, {-k, r, -r, k, -r, 0}, {-r, -k, -k, -r, 0, -r}, {k, -r, r, -k, r, 0}};
    for (const auto& a : arcs) {
        const PMPoint c1 = f(a[0], a[1]), c2 = f(a[2], a[3]), e = f(a[4], a[5]);
        port->curveto(c1.X(), c1.Y(), c2.X(), c2.Y(), e.X(), e.Y());
    }
    port->closepath();
}

void Finish(IGraphicsPort* port, bool filled) {
    if (filled)
        port->fill();
    else
        port->stroke();
}
} // namespace

void PathDrawing::AddPath(IGraphicsPort* port, const PMPathPointList& path, bool closed) {
    if (path.empty())
        return;
    port->moveto(path.front().GetAnchor().X(), path.front().GetAnchor().Y());
    for (size_t i = 1; i < path.size(); ++i)
        AddSegment(port, path[i - 1], path[i]);
    if (closed) {
        if (path.size() > 1)
            AddSegment(port, path.back(), path.front());
        port->closepath();
    }
}

void PathDrawing::AddRoundedPath(IGraphicsPort* port, const PMPathPointList& path, PMReal radius) {
    const size_t n = path.size();
    for (size_t i = 0; i < n; ++i) {
        const PMPoint prev = path[(i + n - 1) % n].GetAnchor(), corner = path[i].GetAnchor(),
                      next = path[(i + 1) % n].GetAnchor();
        const PMPoint dp = prev - corner, dn = next - corner;
        const PMReal r = std::min({radius, std::hypot(dp.X(), dp.Y()) / 2, std::hypot(dn.X(), dn.Y()) / 2});
        const PMPoint in = Towards(corner, prev, r), out = Towards(corner, next, r);
        if (i == 0)
            port->moveto(in.X(), in.Y());
        else
            port->lineto(in.X(), in.Y());
        const PMPoint c1 = Lerp(in, corner, kKappa), c2 = Lerp(out, corner, kKappa);
        port->curveto(c1.X(), c1.Y(), c2.X(), c2.Y(), out.X(), out.Y());
    }
    port->closepath();
}

void PathDrawing::DrawArrowhead(IGraphicsPort* port, ClassID arrowhead, const PMPoint& tip, PMReal direction,
                                PMReal weight) {
    const ArrowFrame f{tip, std::cos(direction), std::sin(direction), std::max(weight, 1.0)};
    port->newpath();
    switch (arrowhead) {
    case kSimpleArrowHeadBoss:
    case kCurvedArrowHeadBoss: {
        const PMPoint a = f(-4.5, -2.6), b = f(-4.5, 2.6);
        port->moveto(a.X(), a.Y());
        port->lineto(tip.X(), tip.Y());
        port->lineto(b.X(), b.Y());
        port->stroke();
        break;
    }
    case kTriangleArrowHeadBoss:
        Polygon(port, f, {{0, 0}, {-4.5, -2.25}, {-4.5, 2.25}});
        Finish(port, true);
        break;
    case kBarbedArrowHeadBoss:
        Polygon(port, f, {{0, 0}, {-5, -2.5}, {-3.5, 0}, {-5, 2.5}});
        Finish(port, true);
        break;
    case kDiamondArrowHeadBoss:
    case kHollowDiamondArrowHeadBoss:
        Polygon(port, f, {{2.5, 0}, {0, -2.5}, {-2.5, 0}, {0, 2.5}});
        Finish(port, arrowhead == kDiamondArrowHeadBoss);
        break;
    case kCircleArrowHeadBoss:
    case kHollowCircleArrowHeadBoss:
        Circle(port, f, 2.0);
        Finish(port, arrowhead == kCircleArrowHeadBoss);
        break;
    case kSquareArrowHeadBoss:
    case kHollowSquareArrowHeadBoss:
        Polygon(port, f, {{2, -2}, {2, 2}, {-2, 2}, {-2, -2}});
        Finish(port, arrowhead == kSquareArrowHeadBoss);
        break;
    case kBarArrowHeadBoss: {
        const PMPoint a = f(0, -2.5), b = f(0, 2.5);
        port->moveto(a.X(), a.Y());
        port->lineto(b.X(), b.Y());
        port->stroke();
        break;
    }
    default:
        break;
    }
}

std::vector<PMReal> PathDrawing::DashPattern(PMReal weight) {
    const PMReal unit = std::max(weight, 1.0);
    return {3 * unit, 3 * unit};
}
