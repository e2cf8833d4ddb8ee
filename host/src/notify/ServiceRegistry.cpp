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
