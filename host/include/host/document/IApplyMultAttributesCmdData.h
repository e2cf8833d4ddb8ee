// IApplyMultAttributesCmdData: the attributes the apply-multiple-attributes command sets on its items.
#pragma once

#include <vector>

#include "host/document/GraphicAttribute.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IApplyMultAttributesCmdData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IAPPLYMULTATTRIBUTESCMDDATA };
    virtual void AddAnAttribute(const GraphicAttribute& attribute) = 0;
    virtual const std::vector<GraphicAttribute>& GetAttributes() const = 0;
    virtual void Clear() = 0;
};
