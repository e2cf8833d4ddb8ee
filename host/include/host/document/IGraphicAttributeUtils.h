// IGraphicAttributeUtils: adding graphic attributes to an attribute list and reading the
// effective attributes of a page item (its own, else the host's defaults).
#pragma once

#include "host/document/GraphicAttribute.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IGraphicStyleAttributeBossList;

class IGraphicAttributeUtils : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IGRAPHICATTRIBUTEUTILS };

    virtual ErrorCode AddStrokeWeightAttribute(IGraphicStyleAttributeBossList* list, PMReal weight) = 0;
    virtual ErrorCode AddStrokeRenderingAttribute(IGraphicStyleAttributeBossList* list, UID swatch) = 0;
    virtual ErrorCode AddFillRenderingAttribute(IGraphicStyleAttributeBossList* list, UID swatch) = 0;
    virtual ErrorCode AddStrokeTypeAttribute(IGraphicStyleAttributeBossList* list, ClassID strokeType) = 0;
    virtual ErrorCode AddLineStartAttribute(IGraphicStyleAttributeBossList* list, ClassID arrowhead) = 0;
    virtual ErrorCode AddLineEndAttribute(IGraphicStyleAttributeBossList* list, ClassID arrowhead) = 0;
    virtual ErrorCode AddCornerEffectAttribute(IGraphicStyleAttributeBossList* list, ClassID effect) = 0;
    virtual ErrorCode AddCornerSizeAttribute(IGraphicStyleAttributeBossList* list, PMReal size) = 0;

    // The item's attribute of that class, or the default: stroke weight 1, stroke and fill None,
    // solid stroke, no arrowheads, no corner effect, corner size 12.
    virtual GraphicAttribute GetAttribute(const IPMUnknown* pageItem, ClassID attributeClass) const = 0;
    // A new free-standing attribute list (kGraphicAttrListBoss) for the apply commands.
    virtual IGraphicStyleAttributeBossList* CreateAttributeList() const = 0;
};
