// Host geometry: 64-bit reals, points, rectangles and 2-D affine matrices.
#pragma once

#include <cmath>

using PMReal = double;

// Two reals closer than this are treated as equal when geometry is compared.
constexpr PMReal kGeometryTolerance = 1e-8;

inline bool PMRealEquals(PMReal a, PMReal b, PMReal tolerance = kGeometryTolerance) {
    return std::fabs(a - b) < tolerance;
}

// A point (x, y); y grows downwards in page and pasteboard coordinates.
class PMPoint {
public:
    PMPoint() = default;
    PMPoint(PMReal x, PMReal y) : fX(x), fY(y) {}
    PMReal X() const { return fX; }
    PMReal Y() const { return fY; }
    void X(PMReal x) { fX = x; }
    void Y(PMReal y) { fY = y; }
    PMPoint operator+(const PMPoint& o) const { return {fX + o.fX, fY + o.fY}; }
    PMPoint operator-(const PMPoint& o) const { return {fX - o.fX, fY - o.fY}; }
    bool operator==(const PMPoint& o) const { return fX == o.fX && fY == o.fY; }
    bool operator!=(const PMPoint& o) const { return !(*this == o); }

private:
    PMReal fX = 0.0;
    PMReal fY = 0.0;
};

// An axis-aligned rectangle given by its left, top, right and bottom edges.
class PMRect {
public:
    PMRect() = default;
    PMRect(PMReal left, PMReal top, PMReal right, PMReal bottom)
        : fLeft(left), fTop(top), fRight(right), fBottom(bottom) {}
    PMRect(const PMPoint& leftTop, const PMPoint& rightBottom)
        : PMRect(leftTop.X(), leftTop.Y(), rightBottom.X(), rightBottom.Y()) {}

    PMReal Left() const { return fLeft; }
    PMReal Top() const { return fTop; }
    PMReal Right() const { return fRight; }
    PMReal Bottom() const { return fBottom; }
    void Left(PMReal v) { fLeft = v; }
    void Top(PMReal v) { fTop = v; }
    void Right(PMReal v) { fRight = v; }
    void Bottom(PMReal v) { fBottom = v; }
    PMReal Width() const { return fRight - fLeft; }
    PMReal Height() const { return fBottom - fTop; }
    PMPoint LeftTop() const { return {fLeft, fTop}; }
    PMPoint RightBottom() const { return {fRight, fBottom}; }
    PMPoint GetCenter() const { return {(fLeft + fRight) / 2, (fTop + fBottom) / 2}; }
    bool IsEmpty() const { return fRight <= fLeft || fBottom <= fTop; }

    // Swaps edges so that left <= right and top <= bottom.
    void Normalize();
    bool Contains(const PMPoint& p) const;
    bool Intersects(const PMRect& other) const;
    void MoveRel(PMReal dx, PMReal dy);
    // The smallest rectangle holding both; an empty rectangle adds nothing.
    PMRect Union(const PMRect& other) const;
    bool Equals(const PMRect& other, PMReal tolerance = kGeometryTolerance) const;
    bool operator==(const PMRect& o) const;
    bool operator!=(const PMRect& o) const { return !(*this == o); }

private:
    PMReal fLeft = 0.0;
    PMReal fTop = 0.0;
    PMReal fRight = 0.0;
    PMReal fBottom = 0.0;
};

// An affine transformation (a b c d tx ty): x' = a x + c y + tx, y' = b x + d y + ty.
class PMMatrix {
public:
    PMMatrix() = default;
    PMMatrix(PMReal a, PMReal b, PMReal c, PMReal d, PMReal tx, PMReal ty)
        : fA(a), fB(b), fC(c), fD(d), fTx(tx), fTy(ty) {}

    PMReal A() const { return fA; }
    PMReal B() const { return fB; }
    PMReal C() const { return fC; }
    PMReal D() const { return fD; }
    PMReal Tx() const { return fTx; }
    PMReal Ty() const { return fTy; }
    PMPoint GetTranslation() const { return {fTx, fTy}; }
    void SetTranslation(const PMPoint& t);

    void Transform(PMPoint* point) const;
    PMPoint TransformPoint(const PMPoint& point) const;
    // Transforms the four corners and answers their bounding box.
    PMRect TransformRect(const PMRect& rect) const;

    // This matrix followed by other.
    void Concat(const PMMatrix& other);
    void Translate(PMReal dx, PMReal dy);
    void Scale(PMReal sx, PMReal sy);
    // Rotation by degrees counter-clockwise in y-up terms, as the host's transforms do.
    void Rotate(PMReal degrees);
    // Fails (answers false) for a singular matrix, leaving it unchanged.
    bool Invert();
    PMReal GetRotationAngle() const;
    bool IsIdentity(PMReal tolerance = kGeometryTolerance) const;
    bool Equals(const PMMatrix& other, PMReal tolerance = kGeometryTolerance) const;
    bool operator==(const PMMatrix& o) const;
    bool operator!=(const PMMatrix& o) const { return !(*this == o); }

private:
    PMReal fA = 1.0, fB = 0.0, fC = 0.0, fD = 1.0, fTx = 0.0, fTy = 0.0;
};

extern const PMMatrix kIdentityMatrix;
