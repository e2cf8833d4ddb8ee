// GraphicAttributeUtils: adding attributes to lists, and the effective attributes of an item.
#include "../objectmodel/HostImplementations.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
constexpr PMReal kDefaultCornerSize = 12.0;

class GraphicAttributeUtils final : public CPMUnknown<IGraphicAttributeUtils> {
public:
    explicit GraphicAttributeUtils(IPMUnknown* boss) : CPMUnknown<IGraphicAttributeUtils>(boss) {}

    ErrorCode AddStrokeWeightAttribute(IGraphicStyleAttributeBossList* list, PMReal weight) override {
        return weight < 0 ? kFailure
                          : Add(list, GraphicAttribute::Real(kGraphicStyleStrokeWeightAttrBoss, weight));
    }
    ErrorCode AddStrokeRenderingAttribute(IGraphicStyleAttributeBossList* list, UID swatch) override {
        return Add(list, GraphicAttribute::Swatch(kGraphicStyleStrokeRenderingAttrBoss, swatch));
    }
    ErrorCode AddFillRenderingAttribute(IGraphicStyleAttributeBossList* list, UID swatch) override {
        return Add(list, GraphicAttribute::Swatch(kGraphicStyleFillRenderingAttrBoss, swatch));
    }
    ErrorCode AddStrokeTypeAttribute(IGraphicStyleAttributeBossList* list, ClassID strokeType) override {
        return Add(list, GraphicAttribute::Class(kGraphicStyleStrokeTypeAttrBoss, strokeType));
    }
    ErrorCode AddLineStartAttribute(IGraphicStyleAttributeBossList* list, ClassID arrowhead) override {
        return Add(list, GraphicAttribute::Class(kGraphicStyleLineStartAttrBoss, arrowhead));
    }
    ErrorCode AddLineEndAttribute(IGraphicStyleAttributeBossList* list, ClassID arrowhead) override {
        return Add(list, GraphicAttribute::Class(kGraphicStyleLineEndAttrBoss, arrowhead));
    }
    ErrorCode AddCornerEffectAttribute(IGraphicStyleAttributeBossList* list, ClassID effect) override {
        return Add(list, GraphicAttribute::Class(kGraphicStyleCornerEffectAttrBoss, effect));
    }
    ErrorCode AddCornerSizeAttribute(IGraphicStyleAttributeBossList* list, PMReal size) override {
        return size < 0 ? kFailure : Add(list, GraphicAttribute::Real(kGraphicStyleCornerSizeAttrBoss, size));
    }

    GraphicAttribute GetAttribute(const IPMUnknown* pageItem, ClassID attributeClass) const override {
        GraphicAttribute attribute = Default(attributeClass);
        InterfacePtr<IGraphicStyleAttributeBossList> list(pageItem, IID_IGRAPHICSTYLEATTRIBUTEBOSSLIST);
        if (list)
            list->GetAttribute(attributeClass, &attribute);
        return attribute;
    }

    IGraphicStyleAttributeBossList* CreateAttributeList() const override {
        return CreateObject2<IGraphicStyleAttributeBossList>(kGraphicAttrListBoss);
    }

private:
    static ErrorCode Add(IGraphicStyleAttributeBossList* list, const GraphicAttribute& attribute) {
        if (!list)
            return kFailure;
        list->AddAttribute(attribute);
        return kSuccess;
    }
    // Stroke and fill default to no swatch, which draws like None.
    static GraphicAttribute Default(ClassID attributeClass) {
        switch (attributeClass) {
        case kGraphicStyleStrokeWeightAttrBoss:
            return GraphicAttribute::Real(attributeClass, 1.0);
        case kGraphicStyleCornerSizeAttrBoss:
            return GraphicAttribute::Real(attributeClass, kDefaultCornerSize);
        case kGraphicStyleStrokeTypeAttrBoss:
            return GraphicAttribute::Class(attributeClass, kSolidPathStrokerBoss);
        case kGraphicStyleStrokeRenderingAttrBoss:
        case kGraphicStyleFillRenderingAttrBoss:
            return GraphicAttribute::Swatch(attributeClass, kInvalidUID);
        default:
            return GraphicAttribute::Class(attributeClass, kInvalidClass);
        }
    }
};
} // namespace

ImplementationDeclaration MakeGraphicAttributeUtilsImplementation(ImplementationID id) {
    return IMPLEMENTATION(GraphicAttributeUtils, id, false);
}
