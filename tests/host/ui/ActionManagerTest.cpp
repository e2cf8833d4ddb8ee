// The action manager runs a plug-in's action through its component only when both the manager and
// the component enable it, answers the error code the action left, and finds a menu item by the
// path the user sees (each part translated, mnemonic ampersands dropped).
#include <gtest/gtest.h>

#include "DeclaredPlugIn.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/ActionManager.h"
#include "host/ui/CActionComponent.h"

namespace {
constexpr PluginID kActionTestPluginID = 0x7E6000;
constexpr ClassID kTestActionComponentBoss = 0x7E6001;
constexpr ImplementationID kTestActionComponentImpl = 0x7E6002;
constexpr ActionID kRunAction = 0x7E6003;
constexpr ActionID kFailingAction = 0x7E6004;

int gRuns = 0;
bool gComponentEnables = true;

class TestActionComponent final : public CActionComponent {
public:
    explicit TestActionComponent(IPMUnknown* boss) : CActionComponent(boss) {}
    void DoAction(ActionID actionID) override {
        ++gRuns;
        if (actionID == kFailingAction)
            ErrorUtils::PMSetGlobalErrorCode(kFailure);
    }
    bool16 IsEnabled(ActionID actionID) override {
        return gComponentEnables && CActionComponent::IsEnabled(actionID);
    }
};

PlugInDeclaration ActionTestDeclaration() {
    PlugInDeclaration decl;
    decl.id = kActionTestPluginID;
    decl.name = "ActionManagerTests";
    decl.version = {1, 0, 0};
    decl.implementations = {IMPLEMENTATION(TestActionComponent, kTestActionComponentImpl, false)};
    decl.classes = {{kTestActionComponentBoss,
                     kInvalidClass,
                     "kTestActionComponentBoss",
                     {{IID_IACTIONCOMPONENT, kTestActionComponentImpl}}}};
    decl.stringTables = {{"enUS", false, {{"#ActionTestToolsKey", "Tools"}}}};
    decl.actions = {{kRunAction, kTestActionComponentBoss, "Run It", "Edit menu"},
                    {kFailingAction, kTestActionComponentBoss, "Fail", "Edit menu"}};
    decl.menus = {{"Main:&Edit:#ActionTestToolsKey", 0, 10.0},
                  {"Main:&Edit:#ActionTestToolsKey:Run &It", kRunAction, 10.0},
                  {"Main:&Edit:#ActionTestToolsKey:Fail", kFailingAction, 20.0}};
    return decl;
}

class ActionManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        static DeclaredPlugIn plugIn(ActionTestDeclaration(), "host_tests");
        plugIn.RegisterOnce();
        gRuns = 0;
        gComponentEnables = true;
        ActionManager::Instance().SetEnabled(kRunAction, true);
    }
};

TEST_F(ActionManagerTest, AMenuItemIsFoundByThePathTheUserSees) {
    const ActionManager& manager = ActionManager::Instance();
    EXPECT_EQ(manager.FindMenuAction("Main:Edit:Tools:Run It"), kRunAction);
    EXPECT_EQ(manager.FindMenuAction("Main:Edit:Tools:Fail"), kFailingAction);
    EXPECT_EQ(manager.FindMenuAction("Main:&Edit:#ActionTestToolsKey:Run &It"), 0u) << "declared, not shown";
    EXPECT_EQ(manager.FindMenuAction("Main:Edit:Tools"), 0u) << "a submenu is no action";
    EXPECT_EQ(manager.FindMenuAction("Main:Edit:Tools:Run"), 0u);
}

TEST_F(ActionManagerTest, AnActionRunsOnlyWhenTheManagerAndItsComponentEnableIt) {
    EXPECT_EQ(ActionManager::Instance().DoAction(kRunAction), kSuccess);
    EXPECT_EQ(gRuns, 1);
    gComponentEnables = false;
    EXPECT_EQ(ActionManager::Instance().DoAction(kRunAction), kFailure);
    gComponentEnables = true;
    ActionManager::Instance().SetEnabled(kRunAction, false);
    EXPECT_EQ(ActionManager::Instance().DoAction(kRunAction), kFailure);
    EXPECT_EQ(gRuns, 1);
    EXPECT_EQ(ActionManager::Instance().DoAction(0x7E60FF), kFailure) << "an action nobody declared";
}

TEST_F(ActionManagerTest, AnActionThatFailsIsReportedAsFailed) {
    ErrorUtils::PMSetGlobalErrorCode(kFailure); // an earlier failure is not the action's
    EXPECT_EQ(ActionManager::Instance().DoAction(kRunAction), kSuccess);
    EXPECT_EQ(ActionManager::Instance().DoAction(kFailingAction), kFailure);
    EXPECT_EQ(gRuns, 2);
    ErrorUtils::PMSetGlobalErrorCode(kSuccess);
}
} // namespace
