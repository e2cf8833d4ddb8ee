// IPageList: the document pages in order, spread by spread (derived from the spread list).
#pragma once

#include <vector>

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IPageList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IPAGELIST };
    virtual int32 GetPageCount() const = 0;
    virtual UID GetNthPageUID(int32 index) const = 0;
    // 0-based index of a document page, or -1 (master pages are not in the list).
    virtual int32 GetPageIndex(UID page) const = 0;
    // Every page in order, found in one pass (cheaper than asking for each in turn).
    virtual std::vector<UID> GetPageUIDs() const = 0;
};
