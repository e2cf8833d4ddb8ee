// Query: typed access to an interface of a stored object, for the host's own implementations.
#pragma once

#include "host/database/IDataBase.h"
#include "host/database/UIDRef.h"
#include "host/objectmodel/InterfacePtr.h"

namespace Query {
template <class T> InterfacePtr<T> Get(IDataBase* db, UID uid, PMIID iid = T::kDefaultIID) {
    if (!db || uid == kInvalidUID)
        return InterfacePtr<T>();
    return InterfacePtr<T>(ObjectModel::CheckedCast<T>(db->Instantiate(uid, iid)));
}
template <class T> InterfacePtr<T> Get(const UIDRef& ref, PMIID iid = T::kDefaultIID) {
    return Get<T>(ref.GetDataBase(), ref.GetUID(), iid);
}
// The same object's interface iid.
template <class T> InterfacePtr<T> Sibling(const IPMUnknown* object, PMIID iid = T::kDefaultIID) {
    return InterfacePtr<T>(object, iid);
}
} // namespace Query
