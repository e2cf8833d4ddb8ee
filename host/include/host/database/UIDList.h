// UIDList: an ordered list of objects of one database.
#pragma once

#include <cstddef>
#include <vector>

#include "host/database/UIDRef.h"

class UIDList {
public:
    UIDList() = default;
    explicit UIDList(IDataBase* db) : fDataBase(db) {}
    explicit UIDList(const UIDRef& ref) : fDataBase(ref.GetDataBase()) { Append(ref.GetUID()); }

    IDataBase* GetDataBase() const { return fDataBase; }
    int32 Length() const { return static_cast<int32>(fUIDs.size()); }
    bool IsEmpty() const { return fUIDs.empty(); }
    UID operator[](int32 index) const { return fUIDs[static_cast<size_t>(index)]; }
    UID At(int32 index) const { return fUIDs[static_cast<size_t>(index)]; }
    UIDRef GetRef(int32 index) const { return UIDRef(fDataBase, At(index)); }
    void Append(UID uid) { fUIDs.push_back(uid); }
    void Append(const UIDList& other);
    void Insert(UID uid, int32 index);
    // Inserts in ascending UID order; a UID already listed is not added again.
    void Insert(UID uid);
    void Remove(int32 index);
    void Clear() { fUIDs.clear(); }
    // Index of uid, or -1.
    int32 Location(UID uid) const;
    bool Contains(UID uid) const { return Location(uid) >= 0; }
    const std::vector<UID>& GetUIDs() const { return fUIDs; }
    bool operator==(const UIDList& o) const { return fDataBase == o.fDataBase && fUIDs == o.fUIDs; }
    bool operator!=(const UIDList& o) const { return !(*this == o); }

private:
    IDataBase* fDataBase = nullptr;
    std::vector<UID> fUIDs;
};
