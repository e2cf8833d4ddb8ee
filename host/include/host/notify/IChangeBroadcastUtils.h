// IChangeBroadcastUtils: tells the observers of a database's document that something changed.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IDataBase;

class IChangeBroadcastUtils : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ICHANGEBROADCASTUTILS };
    // Sends theChange under protocol to the document subject of db (regular and lazy observers).
    virtual void Broadcast(ClassID theChange, PMIID protocol, IDataBase* db, void* changedBy = nullptr) = 0;
};
