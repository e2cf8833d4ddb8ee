// IPageItemAdornmentList: the adornment classes attached to a page item (not stored).
#pragma once

#include <vector>

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IPageItemAdornmentList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IPAGEITEMADORNMENTLIST };
    virtual void AddAdornment(ClassID adornmentClass) = 0;
    virtual void RemoveAdornment(ClassID adornmentClass) = 0;
    virtual bool16 HasAdornment(ClassID adornmentClass) const = 0;
    virtual const std::vector<ClassID>& GetAdornments() const = 0;
};
