// INewSpreadCmdData: the spread the new-spread and new-master-spread commands make: its pages,
// their size, its place in the list and, for document spreads, the master its pages use.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"
#include "host/util/PMString.h"

class INewSpreadCmdData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INEWSPREADCMDDATA };
    virtual void Set(int32 pageCount, PMReal pageWidth, PMReal pageHeight, int32 position = -1) = 0;
    virtual int32 GetPageCount() const = 0;
    virtual PMReal GetPageWidth() const = 0;
    virtual PMReal GetPageHeight() const = 0;
    virtual int32 GetPosition() const = 0;
    // For document spreads: the master spread each new page is based on (kInvalidUID: none).
    virtual void SetMasterSpreadUID(UID masterSpread) = 0;
    virtual UID GetMasterSpreadUID() const = 0;
    // For master spreads: the name.
    virtual void SetName(const PMString& name) = 0;
    virtual PMString GetName() const = 0;
};
