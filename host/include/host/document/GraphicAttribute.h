// GraphicAttribute: one graphic attribute of a page item, named by its attribute class.
// Depending on the class the value is a real (weights, sizes), a swatch or a class (stroke type,
// arrowheads, corner effect).
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/ObjectIDs.h"
#include "host/util/Geometry.h"

struct GraphicAttribute {
    enum ValueKind { kRealValue = 0, kSwatchValue = 1, kClassValue = 2 };

    ClassID attributeClass = kInvalidClass;
    PMReal real = 0.0;
    UID swatch = kInvalidUID;
    ClassID classValue = kInvalidClass;

    // The kind of value an attribute class carries.
    static ValueKind KindOf(ClassID attributeClass);
    static GraphicAttribute Real(ClassID attributeClass, PMReal value);
    static GraphicAttribute Swatch(ClassID attributeClass, UID swatch);
    static GraphicAttribute Class(ClassID attributeClass, ClassID value);
    bool operator==(const GraphicAttribute& o) const = default;
};
