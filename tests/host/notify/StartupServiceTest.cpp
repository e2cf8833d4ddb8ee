// Start-up services: a plug-in's service starts once however often the host asks, shuts down once,
// and the services shut down in the reverse order of their start.
#include <gtest/gtest.h>

#include <string>

#include "DeclaredPlugIn.h"
#include "host/notify/CServiceProvider.h"
#include "host/notify/IStartupShutdownService.h"
#include "host/notify/ServiceRegistry.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
constexpr PluginID kStartupPluginID = 0x7EB100;
constexpr ClassID kFirstServiceBoss = 0x7EB101;
constexpr ClassID kSecondServiceBoss = 0x7EB102;
constexpr ImplementationID kProviderImpl = 0x7EB103;
constexpr ImplementationID kFirstServiceImpl = 0x7EB104;
constexpr ImplementationID kSecondServiceImpl = 0x7EB105;

std::string gLog;

class Provider final : public CServiceProvider {
public:
    explicit Provider(IPMUnknown* boss) : CServiceProvider(boss, "Test Startup", {kStartupShutdownService}) {}
};

template <char kName> class Service final : public CPMUnknown<IStartupShutdownService> {
public:
    explicit Service(IPMUnknown* boss) : CPMUnknown<IStartupShutdownService>(boss) {}
    void Startup() override { gLog += std::string("+") + kName; }
    void Shutdown() override { gLog += std::string("-") + kName; }
};
using FirstService = Service<'1'>;
using SecondService = Service<'2'>;

DeclaredPlugIn& StartupPlugIn() {
    static DeclaredPlugIn plugIn = [] {
        PlugInDeclaration decl;
        decl.id = kStartupPluginID;
        decl.name = "StartupTest";
        decl.implementations = {IMPLEMENTATION(Provider, kProviderImpl, false),
                                IMPLEMENTATION(FirstService, kFirstServiceImpl, false),
                                IMPLEMENTATION(SecondService, kSecondServiceImpl, false)};
        decl.classes = {
            {kFirstServiceBoss,
             kInvalidClass,
             "kFirstServiceBoss",
             {{IID_IK2SERVICEPROVIDER, kProviderImpl}, {IID_ISTARTUPSHUTDOWN, kFirstServiceImpl}}},
            {kSecondServiceBoss,
             kInvalidClass,
             "kSecondServiceBoss",
             {{IID_IK2SERVICEPROVIDER, kProviderImpl}, {IID_ISTARTUPSHUTDOWN, kSecondServiceImpl}}}};
        decl.serviceProviders = {kFirstServiceBoss, kSecondServiceBoss};
        return DeclaredPlugIn(decl, "startup-test.so");
    }();
    return plugIn;
}
} // namespace

TEST(StartupService, EachServiceStartsOnceAndShutsDownInTheReverseOrder) {
    StartupPlugIn().RegisterOnce();
    ServiceRegistry& registry = ServiceRegistry::Instance();
    registry.ShutDownServices();
    gLog.clear();
    registry.StartUpServices();
    registry.StartUpServices();
    EXPECT_EQ(gLog, "+1+2") << "a started service is not started again";
    registry.ShutDownServices();
    registry.ShutDownServices();
    EXPECT_EQ(gLog, "+1+2-2-1");
    registry.StartUpServices();
    EXPECT_EQ(gLog, "+1+2-2-1+1+2") << "after a shut-down, services can start again";
    registry.ShutDownServices();
}
