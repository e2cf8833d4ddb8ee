// CPMUnknown<I>: base of implementations; reference counting and QueryInterface go to the boss.
#pragma once

#include "host/objectmodel/Boss.h"
#include "host/objectmodel/ImplementationBase.h"

template <class I> class CPMUnknown : public I, public ImplementationBase {
public:
    explicit CPMUnknown(IPMUnknown* boss) : ImplementationBase(Boss::FromUnknown(boss)) {}

    IPMUnknown* QueryInterface(PMIID iid) const override { return GetBoss()->QueryInterface(iid); }
    void AddRef() const override { GetBoss()->AddRef(); }
    void Release() const override { GetBoss()->Release(); }
    IPMUnknown* GetInterface() override { return static_cast<I*>(this); }
};
