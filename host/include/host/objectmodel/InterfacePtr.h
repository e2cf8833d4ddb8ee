// InterfacePtr<T>: holds one reference to an interface and releases it when it leaves scope.
#pragma once

#include <utility>

#include "host/objectmodel/IPMUnknown.h"
#include "host/objectmodel/InterfaceCastCache.h"

class UIDRef;

namespace ObjectModel {
// An interface of a persistent object, made on demand from its database; nullptr when missing.
IPMUnknown* Instantiate(const UIDRef& ref, PMIID iid);

// Checks that an interface found by ID really is of the expected C++ type (nullptr if not).
template <class T> T* CheckedCast(IPMUnknown* unknown) {
    if (!unknown)
        return nullptr;
    T* typed = InterfaceCastCache<T>::Cast(unknown);
    if (!typed)
        unknown->Release();
    return typed;
}
} // namespace ObjectModel

template <class T> class InterfacePtr {
public:
    InterfacePtr() = default;
    // Takes over a reference the caller already owns (as returned by Query... and Create... calls).
    explicit InterfacePtr(T* owned) : fPtr(owned) {}
    // Queries the interface iid (T::kDefaultIID unless given) of the object behind from.
    InterfacePtr(const IPMUnknown* from, PMIID iid)
        : fPtr(from ? ObjectModel::CheckedCast<T>(from->QueryInterface(iid)) : nullptr) {}
    template <class U>
    explicit InterfacePtr(const InterfacePtr<U>& from, PMIID iid = T::kDefaultIID)
        : InterfacePtr(static_cast<const IPMUnknown*>(from.get()), iid) {}
    explicit InterfacePtr(const IPMUnknown* from) : InterfacePtr(from, T::kDefaultIID) {}
    // Queries the interface of the persistent object ref names (nullptr for a missing object).
    InterfacePtr(const UIDRef& ref, PMIID iid)
        : fPtr(ObjectModel::CheckedCast<T>(ObjectModel::Instantiate(ref, iid))) {}
    explicit InterfacePtr(const UIDRef& ref) : InterfacePtr(ref, T::kDefaultIID) {}

    InterfacePtr(const InterfacePtr& other) : fPtr(other.fPtr) {
        if (fPtr)
            fPtr->AddRef();
    }
    InterfacePtr(InterfacePtr&& other) noexcept : fPtr(std::exchange(other.fPtr, nullptr)) {}
    InterfacePtr& operator=(InterfacePtr other) noexcept {
        std::swap(fPtr, other.fPtr);
        return *this;
    }
    ~InterfacePtr() { reset(); }

    T* get() const { return fPtr; }
    T* operator->() const { return fPtr; }
    T& operator*() const { return *fPtr; }
    explicit operator bool() const { return fPtr != nullptr; }
    bool operator==(std::nullptr_t) const { return fPtr == nullptr; }
    bool operator!=(std::nullptr_t) const { return fPtr != nullptr; }
    operator T*() const { return fPtr; }

    // Gives up the reference without releasing it.
    T* forget() { return std::exchange(fPtr, nullptr); }
    void reset(T* owned = nullptr) {
        if (fPtr)
            fPtr->Release();
        fPtr = owned;
    }

private:
    T* fPtr = nullptr;
};
