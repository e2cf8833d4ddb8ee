// INewPageItemCmdData: what the new-page-item command makes: class, parent and points.
// Two points span the item's rectangle; more points give a closed polygon through them.
#pragma once

#include "host/database/UID.h"
#include "host/document/PMPathPoint.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IDataBase;

class INewPageItemCmdData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INEWPAGEITEMCMDDATA };
    // Points in pasteboard coordinates.
    virtual void Set(IDataBase* db, ClassID itemClass, UID parent, const PMPointList& points) = 0;
    virtual IDataBase* GetDataBase() const = 0;
    virtual ClassID GetNewItemClass() const = 0;
    virtual UID GetParent() const = 0;
    virtual const PMPointList& GetPoints() const = 0;
};
