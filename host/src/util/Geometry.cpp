#include "host/util/Geometry.h"

#include <algorithm>
#include <numbers>

const PMMatrix kIdentityMatrix;

void PMRect::Normalize() {
    if (fLeft > fRight)
        std::swap(fLeft, fRight);
    if (fTop > fBottom)
        std::swap(fTop, fBottom);
}

bool PMRect::Contains(const PMPoint& p) const {
    return p.X() >= fLeft && p.X() <= fRight && p.Y() >= fTop && p.Y() <= fBottom;
}

bool PMRect::Intersects(const PMRect& other) const {
    return fLeft <= other.fRight && other.fLeft <= fRight && fTop <= other.fBottom && other.fTop <= fBottom;
}

void PMRect::MoveRel(PMReal dx, PMReal dy) {
    fLeft += dx;
    fRight += dx;
    fTop += dy;
    fBottom += dy;
}

PMRect PMRect::Union(const PMRect& other) const {
    if (other.Width() < 0 || other.Height() < 0)
        return *this;
    if (Width() < 0 || Height() < 0)
        return other;
    return {std::min(fLeft, other.fLeft), std::min(fTop, other.fTop), std::max(fRight, other.fRight),
            std::max(fBottom, other.fBottom)};
}

bool PMRect::Equals(const PMRect& o, PMReal tolerance) const {
    return PMRealEquals(fLeft, o.fLeft, tolerance) && PMRealEquals(fTop, o.fTop, tolerance) &&
           PMRealEquals(fRight, o.fRight, tolerance) && PMRealEquals(fBottom, o.fBottom, tolerance);
}

bool PMRect::operator==(const PMRect& o) const {
    return Equals(o);
}

void PMMatrix::SetTranslation(const PMPoint& t) {
    fTx = t.X();
    fTy = t.Y();
}

void PMMatrix::Transform(PMPoint* point) const {
    *point = TransformPoint(*point);
}

PMPoint PMMatrix::TransformPoint(const PMPoint& p) const {
    return {fA * p.X() + fC * p.Y() + fTx, fB * p.X() + fD * p.Y() + fTy};
}

PMRect PMMatrix::TransformRect(const PMRect& r) const {
    const PMPoint corners[4] = {TransformPoint(r.LeftTop()), TransformPoint({r.Right(), r.Top()}),
                                TransformPoint(r.RightBottom()), TransformPoint({r.Left(), r.Bottom()})};
    PMRect result(corners[0], corners[0]);
    for (const PMPoint& c : corners) {
        result.Left(std::min(result.Left(), c.X()));
        result.Top(std::min(result.Top(), c.Y()));
        result.Right(std::max(result.Right(), c.X()));
        result.Bottom(std::max(result.Bottom(), c.Y()));
    }
    return result;
}

void PMMatrix::Concat(const PMMatrix& m) {
    const PMMatrix t = *this;
    fA = t.fA * m.fA + t.fB * m.fC;
    fB = t.fA * m.fB + t.fB * m.fD;
    fC = t.fC * m.fA + t.fD * m.fC;
    fD = t.fC * m.fB + t.fD * m.fD;
    fTx = t.fTx * m.fA + t.fTy * m.fC + m.fTx;
    fTy = t.fTx * m.fB + t.fTy * m.fD + m.fTy;
}

void PMMatrix::Translate(PMReal dx, PMReal dy) {
    Concat(PMMatrix(1, 0, 0, 1, dx, dy));
}

void PMMatrix::Scale(PMReal sx, PMReal sy) {
    Concat(PMMatrix(sx, 0, 0, sy, 0, 0));
}

void PMMatrix::Rotate(PMReal degrees) {
    const PMReal r = degrees * std::numbers::pi / 180.0;
    const PMReal c = std::cos(r), s = std::sin(r);
    Concat(PMMatrix(c, -s, s, c, 0, 0));
}

bool PMMatrix::Invert() {
    const PMReal det = fA * fD - fB * fC;
    if (std::fabs(det) < 1e-300)
        return false;
    const PMReal a = fD / det, b = -fB / det, c = -fC / det, d = fA / det;
    const PMReal tx = -(fTx * a + fTy * c), ty = -(fTx * b + fTy * d);
    *this = PMMatrix(a, b, c, d, tx, ty);
    return true;
}

PMReal PMMatrix::GetRotationAngle() const {
    PMReal degrees = -std::atan2(fB, fA) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360.0;
    return degrees;
}

bool PMMatrix::IsIdentity(PMReal tolerance) const {
    return Equals(kIdentityMatrix, tolerance);
}

bool PMMatrix::Equals(const PMMatrix& o, PMReal tol) const {
    return PMRealEquals(fA, o.fA, tol) && PMRealEquals(fB, o.fB, tol) && PMRealEquals(fC, o.fC, tol) &&
           PMRealEquals(fD, o.fD, tol) && PMRealEquals(fTx, o.fTx, tol) && PMRealEquals(fTy, o.fTy, tol);
}

bool PMMatrix::operator==(const PMMatrix& o) const {
    return Equals(o);
}
