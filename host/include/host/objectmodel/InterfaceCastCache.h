// InterfaceCastCache<T>: the checked cast from an interface to T, remembered per vtable. An
// interface pointer's vtable names both its object's class and the sub-object it points at, so
// the adjustment a dynamic_cast finds once holds for every later pointer with the same vtable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "host/objectmodel/IPMUnknown.h"

template <class T> class InterfaceCastCache {
public:
    // unknown as a T (nullptr when it is not one); the same answer as dynamic_cast<T*>(unknown).
    static T* Cast(IPMUnknown* unknown) {
        thread_local InterfaceCastCache cache;
        return cache.Find(unknown);
    }

private:
    struct Slot {
        const void* vtable = nullptr;
        std::ptrdiff_t adjustment = 0;
        bool isT = false;
    };
    static constexpr std::size_t kSlots = 32;

    T* Find(IPMUnknown* unknown) {
        const void* vtable = nullptr;
        std::memcpy(&vtable, static_cast<const void*>(unknown), sizeof vtable);
        Slot& slot = fSlots[(reinterpret_cast<std::uintptr_t>(vtable) >> 4) % kSlots];
        if (slot.vtable != vtable) {
            T* typed = dynamic_cast<T*>(unknown);
            slot = Slot{vtable, typed ? reinterpret_cast<char*>(typed) - reinterpret_cast<char*>(unknown) : 0,
                        typed != nullptr};
            return typed;
        }
        return slot.isT ? reinterpret_cast<T*>(reinterpret_cast<char*>(unknown) + slot.adjustment) : nullptr;
    }

    Slot fSlots[kSlots];
};
