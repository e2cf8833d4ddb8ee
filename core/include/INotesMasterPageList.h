// INotesMasterPageList: the pages of all master spreads as one flat list.
#pragma once

#include "NotesID.h"
#include "host/database/UID.h"
#include "host/objectmodel/IPMUnknown.h"

class INotesMasterPageList : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESMASTERPAGELIST };
    virtual UID GetNthMasterPage(int32 index) = 0;
    virtual int32 GetMasterPageCount() = 0;
    // -1 for a page that is not a master page.
    virtual int32 GetMasterPageIndex(UID pageUID) = 0;
};
