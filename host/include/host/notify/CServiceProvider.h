// CServiceProvider: base of service providers that serve a fixed list of services under one name;
// a plug-in's provider passes its name and service IDs (document signals, start-up) and is done.
#pragma once

#include <utility>
#include <vector>

#include "host/notify/IK2ServiceProvider.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/HostIDs.h"

class CServiceProvider : public CPMUnknown<IK2ServiceProvider> {
public:
    CServiceProvider(IPMUnknown* boss, const char* name, std::vector<ServiceID> services)
        : CPMUnknown<IK2ServiceProvider>(boss), fName(name), fServices(std::move(services)) {}
    void GetName(PMString* name) override {
        if (name)
            *name = PMString(fName);
    }
    ServiceID GetServiceID() override { return fServices.empty() ? 0 : fServices.front(); }
    bool16 IsDefaultServiceProvider() override { return kFalse; }
    int32 GetInstantiationPolicy() override { return 0; }
    bool16 HasMultipleIDs() const override { return fServices.size() > 1 ? kTrue : kFalse; }
    void GetServiceIDs(std::vector<ServiceID>& serviceIDs) override { serviceIDs = fServices; }

private:
    const char* fName;
    std::vector<ServiceID> fServices;
};

// The document signals a responder of a document's life usually serves: after a new or opened
// document, before a close, and before the three kinds of save.
inline std::vector<ServiceID> DocumentLifeSignals() {
    return {kAfterNewDocSignalResponderService,     kAfterOpenDocSignalResponderService,
            kBeforeCloseDocSignalResponderService,  kBeforeSaveDocSignalResponderService,
            kBeforeSaveAsDocSignalResponderService, kBeforeSaveACopyDocSignalResponderService};
}
