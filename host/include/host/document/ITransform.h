// ITransform: the matrix from an object's inner coordinates to its parent's, and the derived
// transforms between inner and pasteboard coordinates (the pasteboard holds all spreads).
#pragma once

#include "host/document/PMPathPoint.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class ITransform : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITRANSFORM };

    virtual PMMatrix GetInnerToParentMatrix() const = 0;
    virtual void SetInnerToParentMatrix(const PMMatrix& matrix) = 0;
    // Inner to parent, then through every ancestor that has a transform, up to the pasteboard.
    virtual PMMatrix InnerToPasteboardMatrix() const = 0;
    virtual PMMatrix PasteboardToInnerMatrix() const = 0;
    // The rotation of the inner-to-pasteboard matrix in degrees, 0 to 360.
    virtual PMReal GetItemRotationAngle() const = 0;

    virtual void TransformInnerPointToPasteboard(PMPoint* point) const = 0;
    virtual void TransformPasteboardPointToInner(PMPoint* point) const = 0;
    // The bounding box of the transformed rectangle.
    virtual void TransformInnerRectToPasteboard(PMRect* rect) const = 0;
    virtual void TransformPasteboardRectToInner(PMRect* rect) const = 0;
    virtual void TransformPasteboardPathToInner(PMPathPointList* path) const = 0;
    virtual void TransformInnerPathToPasteboard(PMPathPointList* path) const = 0;
};
