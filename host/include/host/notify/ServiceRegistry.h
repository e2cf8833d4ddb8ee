// ServiceRegistry: the service-provider classes the plug-ins declared, and signal dispatch to them.
#pragma once

#include <vector>

#include "host/notify/IResponder.h"

class ServiceRegistry {
public:
    static ServiceRegistry& Instance();
    void AddProvider(ClassID providerClass, PluginID owner);
    void RemoveProviders(PluginID owner);
    // The provider classes that serve a service ID, in registration order.
    std::vector<ClassID> FindProviders(ServiceID service);
    // Calls every responder registered for the signal with the document.
    void SendSignal(ServiceID service, const UIDRef& document);

private:
    struct Provider {
        ClassID providerClass;
        PluginID owner;
        std::vector<ServiceID> services;
        bool queried = false;
    };
    void Query(Provider& provider);
    std::vector<Provider> fProviders;
};
