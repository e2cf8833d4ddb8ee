#include "host/document/GraphicAttribute.h"

#include "host/objectmodel/HostIDs.h"

GraphicAttribute::ValueKind GraphicAttribute::KindOf(ClassID attributeClass) {
    switch (attributeClass) {
    case kGraphicStyleStrokeWeightAttrBoss:
    case kGraphicStyleCornerSizeAttrBoss:
        return kRealValue;
    case kGraphicStyleStrokeRenderingAttrBoss:
    case kGraphicStyleFillRenderingAttrBoss:
        return kSwatchValue;
    default:
        return kClassValue;
    }
}

GraphicAttribute GraphicAttribute::Real(ClassID attributeClass, PMReal value) {
    GraphicAttribute attribute;
    attribute.attributeClass = attributeClass;
    attribute.real = value;
    return attribute;
}

GraphicAttribute GraphicAttribute::Swatch(ClassID attributeClass, UID swatch) {
    GraphicAttribute attribute;
    attribute.attributeClass = attributeClass;
    attribute.swatch = swatch;
    return attribute;
}

GraphicAttribute GraphicAttribute::Class(ClassID attributeClass, ClassID value) {
    GraphicAttribute attribute;
    attribute.attributeClass = attributeClass;
    attribute.classValue = value;
    return attribute;
}
