// ServiceRegistry: the service-provider classes the plug-ins declared, and signal dispatch to them.
#pragma once

#include <utility>

#include "host/notify/IStartupShutdownService.h"
#include "host/objectmodel/InterfacePtr.h"

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
    // Starts the start-up services of the loaded plug-ins that have not started yet, and keeps them
    // until ShutDownServices, which shuts them down in the reverse order.
    void StartUpServices();
    void ShutDownServices();

private:
    struct Provider {
        ClassID providerClass;
        PluginID owner;
        std::vector<ServiceID> services;
        bool queried = false;
    };
    void Query(Provider& provider);
    std::vector<Provider> fProviders;
    std::vector<std::pair<ClassID, InterfacePtr<IStartupShutdownService>>> fStarted;
};
