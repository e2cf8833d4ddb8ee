// IGraphicStyleAttributeBossList: a page item's graphic attributes, at most one per attribute class.
#pragma once

#include "host/document/GraphicAttribute.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IGraphicStyleAttributeBossList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IGRAPHICSTYLEATTRIBUTEBOSSLIST };

    virtual int32 CountBosses() const = 0;
    virtual ClassID GetClassIDOfNthBoss(int32 index) const = 0;
    virtual GraphicAttribute GetNthAttribute(int32 index) const = 0;
    // False when the list has no attribute of that class.
    virtual bool16 GetAttribute(ClassID attributeClass, GraphicAttribute* attribute) const = 0;
    // Adds the attribute, replacing one of the same class.
    virtual void AddAttribute(const GraphicAttribute& attribute) = 0;
    // Adds an attribute object (a boss of an attribute class carrying IGraphicAttrClassID).
    virtual ErrorCode AddAttribute(IPMUnknown* attributeBoss) = 0;
    virtual void RemoveAttribute(ClassID attributeClass) = 0;
    virtual void ClearAllAttributes() = 0;
};
