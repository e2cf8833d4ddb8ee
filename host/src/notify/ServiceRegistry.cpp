#include "host/notify/ServiceRegistry.h"

#include <algorithm>

#include "host/notify/IK2ServiceProvider.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
class DocumentSignal final : public ISignalMgr {
public:
    DocumentSignal(ServiceID service, const UIDRef& document) : fService(service), fDocument(document) {}
    ServiceID GetServiceID() const override { return fService; }
    UIDRef GetDocument() const override { return fDocument; }

private:
    ServiceID fService;
    UIDRef fDocument;
};
} // namespace

ServiceRegistry& ServiceRegistry::Instance() {
    static ServiceRegistry registry;
    return registry;
}

void ServiceRegistry::AddProvider(ClassID providerClass, PluginID owner) {
    fProviders.push_back(Provider{providerClass, owner, {}, false});
}

void ServiceRegistry::RemoveProviders(PluginID owner) {
    // A plug-in's started services shut down before it goes.
    for (size_t i = fStarted.size(); i-- > 0;) {
        const auto provider = std::find_if(fProviders.begin(), fProviders.end(), [&](const Provider& p) {
            return p.providerClass == fStarted[i].first;
        });
        if (provider != fProviders.end() && provider->owner == owner) {
            InterfacePtr<IStartupShutdownService> service = std::move(fStarted[i].second);
            fStarted.erase(fStarted.begin() + static_cast<std::ptrdiff_t>(i));
            service->Shutdown();
        }
    }
    std::erase_if(fProviders, [&](const Provider& p) { return p.owner == owner; });
}

void ServiceRegistry::Query(Provider& provider) {
    if (provider.queried)
        return;
    provider.queried = true;
    InterfacePtr<IK2ServiceProvider> service(CreateObject2<IK2ServiceProvider>(provider.providerClass));
    if (!service)
        return;
    if (service->HasMultipleIDs())
        service->GetServiceIDs(provider.services);
    else
        provider.services.push_back(service->GetServiceID());
}

std::vector<ClassID> ServiceRegistry::FindProviders(ServiceID service) {
    std::vector<ClassID> classes;
    for (Provider& provider : fProviders) {
        Query(provider);
        if (std::find(provider.services.begin(), provider.services.end(), service) != provider.services.end())
            classes.push_back(provider.providerClass);
    }
    return classes;
}

void ServiceRegistry::SendSignal(ServiceID service, const UIDRef& document) {
    DocumentSignal signal(service, document);
    for (ClassID providerClass : FindProviders(service)) {
        InterfacePtr<IResponder> responder(CreateObject2<IResponder>(providerClass));
        if (responder)
            responder->Respond(&signal);
    }
}

void ServiceRegistry::StartUpServices() {
    for (ClassID providerClass : FindProviders(kStartupShutdownService)) {
        const bool started = std::any_of(fStarted.begin(), fStarted.end(),
                                         [&](const auto& service) { return service.first == providerClass; });
        if (started)
            continue;
        InterfacePtr<IStartupShutdownService> service(CreateObject2<IStartupShutdownService>(providerClass));
        if (!service)
            continue;
        service->Startup();
        fStarted.emplace_back(providerClass, std::move(service));
    }
}

void ServiceRegistry::ShutDownServices() {
    while (!fStarted.empty()) {
        InterfacePtr<IStartupShutdownService> service = std::move(fStarted.back().second);
        fStarted.pop_back();
        service->Shutdown();
    }
}
