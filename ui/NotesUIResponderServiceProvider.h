// NotesUIResponderServiceProvider: registers the UI responder, as "NotesUI Responder Service", for
// the document signals after a new or opened document, before a close and before the three saves.
#pragma once

#include "host/notify/IK2ServiceProvider.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesUIResponderServiceProvider final : public CPMUnknown<IK2ServiceProvider> {
public:
    explicit NotesUIResponderServiceProvider(IPMUnknown* boss) : CPMUnknown<IK2ServiceProvider>(boss) {}
    void GetName(PMString* name) override;
    ServiceID GetServiceID() override { return 0; }
    bool16 IsDefaultServiceProvider() override { return kFalse; }
    int32 GetInstantiationPolicy() override { return 0; }
    bool16 HasMultipleIDs() const override { return kTrue; }
    void GetServiceIDs(std::vector<ServiceID>& serviceIDs) override;
};
