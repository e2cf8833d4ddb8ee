#include "host/objectmodel/ObjectModel.h"

#include <unistd.h>

#include <filesystem>

#include "../text/TextDeclaration.h"
#include "HostDeclaration.h"
#include "host/Host.h"
#include "host/document/DocumentManager.h"
#include "host/notify/ServiceRegistry.h"
#include "host/objectmodel/ApplicationDefaults.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/HostIDs.h"

namespace {
class HostPlugIn final : public IPlugIn {
public:
    HostPlugIn() : fDeclaration(MakeHostDeclaration()) {}
    const PlugInDeclaration& GetDeclaration() const override { return fDeclaration; }
    std::string GetResourceFile() const override { return {}; }

private:
    PlugInDeclaration fDeclaration;
};

struct ApplicationObjects {
    bool initialized = false;
    InterfacePtr<IPMUnknown> application;
    InterfacePtr<IPMUnknown> utils;
    uint32 generation = 0;
    std::vector<uint8> defaults; // the application object's choices as loaded, to save only changes
};

ApplicationObjects& Objects() {
    static ApplicationObjects objects;
    return objects;
}

void MakeApplicationObjects() {
    // Made on first use, and made again when plug-ins registered since, so that the interfaces
    // plug-ins add to these classes are always there. (Plug-ins load at start-up, before any use.)
    ApplicationObjects& objects = Objects();
    if (objects.generation != ClassRegistry::Instance().GetGeneration()) {
        objects.application.reset();
        objects.utils.reset();
        objects.generation = ClassRegistry::Instance().GetGeneration();
    }
    if (!objects.application) {
        objects.application.reset(Boss::Create(kApplicationBoss));
        if (IDFile defaults; objects.application && ApplicationDefaults::GetFile(&defaults)) {
            ApplicationDefaults::Load(objects.application.get(), defaults);
            objects.defaults = ApplicationDefaults::Snapshot(objects.application.get());
        }
    }
    if (!objects.utils)
        objects.utils.reset(Boss::Create(kUtilsBoss));
}
} // namespace

IPMUnknown* CreateObject(ClassID classID, PMIID iid) {
    Host::Initialize();
    InterfacePtr<IPMUnknown> boss(Boss::Create(classID));
    return boss ? boss->QueryInterface(iid) : nullptr;
}

IPMUnknown* GetApplicationObject() {
    Host::Initialize();
    MakeApplicationObjects();
    return Objects().application.get();
}

IPMUnknown* GetUtilsObject() {
    Host::Initialize();
    MakeApplicationObjects();
    return Objects().utils.get();
}

namespace Host {
void Initialize() {
    ApplicationObjects& objects = Objects();
    if (objects.initialized)
        return;
    objects.initialized = true;
    static HostPlugIn host;
    PlugInLoader::Instance().RegisterPlugIn(&host, "pagehost");
    PlugInLoader::Instance().RegisterPlugIn(GetTextPlugIn(), "pagehost");
}

void Shutdown() {
    DocumentManager::Instance().CloseAll();
    ServiceRegistry::Instance().ShutDownServices();
    IPMUnknown* application = Objects().application.get();
    if (IDFile defaults; application && ApplicationDefaults::Snapshot(application) != Objects().defaults &&
                         ApplicationDefaults::GetFile(&defaults))
        ApplicationDefaults::Save(application, defaults);
    Objects().application.reset();
    Objects().utils.reset();
}

std::string DefaultPlugInFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (self.parent_path() / "plugins").string();
}
} // namespace Host
