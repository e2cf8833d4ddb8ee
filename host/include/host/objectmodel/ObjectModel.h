// Creating objects and reaching the application-wide objects.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/objectmodel/InterfacePtr.h"

class IDataBase;

// Makes a non-persistent object of a class and answers its interface iid (one reference), or nullptr.
IPMUnknown* CreateObject(ClassID classID, PMIID iid);
// The same, typed: InterfacePtr<ICommand> cmd(CreateObject2<ICommand>(kMyCmdBoss)).
template <class T> T* CreateObject2(ClassID classID, PMIID iid = T::kDefaultIID) {
    return ObjectModel::CheckedCast<T>(CreateObject(classID, iid));
}
// The object that lives as long as the application (class 0x101).
IPMUnknown* GetApplicationObject();
// The utility object (class 0x1C9).
IPMUnknown* GetUtilsObject();

// A utility interface of the utility object: Utils<IMyUtils>()->DoSomething().
template <class T> class Utils {
public:
    Utils() : fPtr(GetUtilsObject(), T::kDefaultIID) {}
    explicit Utils(PMIID iid) : fPtr(GetUtilsObject(), iid) {}
    T* operator->() const { return fPtr.get(); }
    explicit operator bool() const { return fPtr != nullptr; }
    bool operator==(std::nullptr_t) const { return fPtr == nullptr; }
    bool operator!=(std::nullptr_t) const { return fPtr != nullptr; }
    T* get() const { return fPtr.get(); }

private:
    InterfacePtr<T> fPtr;
};
