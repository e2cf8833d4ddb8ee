// NotesUIStartupServiceProvider: registers the UI plug-in's start-up service with the host.
#pragma once

#include "host/notify/IK2ServiceProvider.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/HostIDs.h"

class NotesUIStartupServiceProvider final : public CPMUnknown<IK2ServiceProvider> {
public:
    explicit NotesUIStartupServiceProvider(IPMUnknown* boss) : CPMUnknown<IK2ServiceProvider>(boss) {}
    void GetName(PMString* name) override {
        if (name)
            *name = PMString("NotesUI Startup Service");
    }
    ServiceID GetServiceID() override { return kStartupShutdownService; }
    bool16 IsDefaultServiceProvider() override { return kFalse; }
    int32 GetInstantiationPolicy() override { return 0; }
    bool16 HasMultipleIDs() const override { return kFalse; }
    void GetServiceIDs(std::vector<ServiceID>& serviceIDs) override {
        serviceIDs = {kStartupShutdownService};
    }
};
