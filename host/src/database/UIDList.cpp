#include "host/database/UIDList.h"

#include <algorithm>

#include "host/database/IDataBase.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/IPMPersist.h"
#include "host/objectmodel/InterfacePtr.h"

const UIDRef UIDRef::gNull;

bool UIDRef::ExistsInDB() const {
    return fDataBase && fUID != kInvalidUID && fDataBase->IsValidUID(fUID);
}

void UIDList::Append(const UIDList& other) {
    fUIDs.insert(fUIDs.end(), other.fUIDs.begin(), other.fUIDs.end());
}

void UIDList::Insert(UID uid, int32 index) {
    index = std::clamp(index, 0, Length());
    fUIDs.insert(fUIDs.begin() + index, uid);
}

void UIDList::Insert(UID uid) {
    if (Contains(uid))
        return;
    fUIDs.insert(std::upper_bound(fUIDs.begin(), fUIDs.end(), uid), uid);
}

void UIDList::Remove(int32 index) {
    if (index >= 0 && index < Length())
        fUIDs.erase(fUIDs.begin() + index);
}

int32 UIDList::Location(UID uid) const {
    const auto found = std::find(fUIDs.begin(), fUIDs.end(), uid);
    return found == fUIDs.end() ? -1 : static_cast<int32>(found - fUIDs.begin());
}

IDataBase* GetDataBase(const IPMUnknown* unknown) {
    const Boss* boss = Boss::FromUnknown(unknown);
    return boss ? boss->GetDataBase() : nullptr;
}

UID GetUID(const IPMUnknown* unknown) {
    const Boss* boss = Boss::FromUnknown(unknown);
    return boss ? boss->GetUID() : kInvalidUID;
}

ClassID GetClass(const IPMUnknown* unknown) {
    const Boss* boss = Boss::FromUnknown(unknown);
    return boss ? boss->GetClass() : kInvalidClass;
}

IPMUnknown* ObjectModel::Instantiate(const UIDRef& ref, PMIID iid) {
    IDataBase* db = ref.GetDataBase();
    return db && ref.GetUID() != kInvalidUID ? db->Instantiate(ref.GetUID(), iid) : nullptr;
}
