// IConvertShapeCmdData: the shape the convert-shape command gives its items, within their bounds.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"

class IConvertShapeCmdData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ICONVERTSHAPECMDDATA };
    enum ShapeKind { kRectangle = 0, kRoundedRectangle = 1, kPolygon = 2, kEllipse = 3, kLine = 4 };
    // cornerClass and cornerSize apply to rounded rectangles; sides and inset (star depth, 0..1) to polygons.
    virtual void Set(int32 shape, ClassID cornerClass, PMReal cornerSize, int32 sides, PMReal inset) = 0;
    virtual int32 GetShape() const = 0;
    virtual ClassID GetCornerClass() const = 0;
    virtual PMReal GetCornerSize() const = 0;
    virtual int32 GetSides() const = 0;
    virtual PMReal GetInset() const = 0;
};
