// UIDRef: one object of one database.
#pragma once

#include "host/database/UID.h"

class IDataBase;

class UIDRef {
public:
    UIDRef() = default;
    UIDRef(IDataBase* db, UID uid) : fDataBase(db), fUID(uid) {}
    IDataBase* GetDataBase() const { return fDataBase; }
    UID GetUID() const { return fUID; }
    // True when it names an object that exists in its database.
    bool ExistsInDB() const;
    bool operator==(const UIDRef& o) const { return fDataBase == o.fDataBase && fUID == o.fUID; }
    bool operator!=(const UIDRef& o) const { return !(*this == o); }
    static const UIDRef gNull;

private:
    IDataBase* fDataBase = nullptr;
    UID fUID = kInvalidUID;
};
