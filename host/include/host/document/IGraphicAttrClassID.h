// IGraphicAttrClassID: the class value of an attribute object (a stroke type, an arrowhead).
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IGraphicAttrClassID : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IGRAPHICATTRCLASSID };
    virtual ClassID GetClassID() const = 0;
    virtual void SetClassID(ClassID value) = 0;
};
