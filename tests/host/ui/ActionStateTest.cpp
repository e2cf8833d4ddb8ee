// Before a menu shows, the components of its actions set their states: enabled, or enabled and
// checked; an action left without a state is disabled and does not run. A context menu runs its
// chosen entry with the widget and point it popped up for.
#include <gtest/gtest.h>

#include "DeclaredPlugIn.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/ActionManager.h"
#include "host/ui/CActionComponent.h"
#include "host/ui/IActionStateList.h"
#include "host/ui/IControlView.h"

namespace {
constexpr PluginID kStatePluginID = 0x7EA400;
constexpr ClassID kStateComponentBoss = 0x7EA401;
constexpr ImplementationID kStateComponentImpl = 0x7EA402;
constexpr ActionID kAlwaysAction = 0x7EA403;
constexpr ActionID kCheckedAction = 0x7EA404;
constexpr ActionID kNeverAction = 0x7EA405;
const char* const kContextKey = "#UiStateContextMenuKey";

int gUpdates = 0;
ActionID gPerformed = 0;
IPMUnknown* gPerformedWidget = nullptr;
PMPoint gPerformedAt;

class StateComponent final : public CActionComponent {
public:
    explicit StateComponent(IPMUnknown* boss) : CActionComponent(boss) {}
    void DoAction(ActionID) override {}
    void PerformAction(IActiveContext*, ActionID id, const PMPoint& where, IPMUnknown* widget) override {
        gPerformed = id;
        gPerformedWidget = widget;
        gPerformedAt = where;
    }
    void UpdateActionStates(IActiveContext*, IActionStateList* list, const PMPoint&, IPMUnknown*) override {
        ++gUpdates;
        for (int32 n = 0; n < list->Length(); ++n) {
            if (list->GetNthAction(n) == kAlwaysAction)
                list->SetNthActionState(n, IActionStateList::kEnabledAction);
            if (list->GetNthAction(n) == kCheckedAction)
                list->SetNthActionState(n,
                                        IActionStateList::kEnabledAction | IActionStateList::kSelectedAction);
        }
    }
};

PlugInDeclaration StateDeclaration() {
    PlugInDeclaration decl;
    decl.id = kStatePluginID;
    decl.name = "ActionStateTests";
    decl.version = {1, 0, 0};
    decl.implementations = {IMPLEMENTATION(StateComponent, kStateComponentImpl, false)};
    decl.classes = {{kStateComponentBoss,
                     kInvalidClass,
                     "kStateComponentBoss",
                     {{IID_IACTIONCOMPONENT, kStateComponentImpl}}}};
    decl.actions = {{kAlwaysAction, kStateComponentBoss, "Always", "Panel menu"},
                    {kCheckedAction, kStateComponentBoss, "Checked", "Panel menu"},
                    {kNeverAction, kStateComponentBoss, "Never", "Panel menu"}};
    decl.menus = {{"#UiStateContextMenuKey:Always", kAlwaysAction, 1.0},
                  {"#UiStateContextMenuKey:-", 0, 2.0},
                  {"#UiStateContextMenuKey:Checked", kCheckedAction, 3.0},
                  {"#UiStateContextMenuKey:Never", kNeverAction, 4.0}};
    return decl;
}

class UiActionStates : public ::testing::Test {
protected:
    void SetUp() override {
        static DeclaredPlugIn plugIn(StateDeclaration(), "host_tests");
        plugIn.RegisterOnce();
        gUpdates = 0;
        gPerformed = 0;
    }
    ActionManager& manager = ActionManager::Instance();
};
} // namespace

TEST_F(UiActionStates, AMenuShowsTheStatesItsComponentSetInOneCall) {
    const std::vector<ActionManager::MenuEntry> entries = manager.PrepareMenu(kContextKey);
    EXPECT_EQ(gUpdates, 1);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].text, "Always");
    EXPECT_TRUE(entries[0].enabled);
    EXPECT_FALSE(entries[0].checked);
    EXPECT_EQ(entries[1].action, 0u) << "the separator";
    EXPECT_TRUE(entries[2].enabled);
    EXPECT_TRUE(entries[2].checked);
    EXPECT_FALSE(entries[3].enabled) << "no state set: disabled";
}

TEST_F(UiActionStates, AnActionWithoutAStateDoesNotRun) {
    EXPECT_EQ(manager.DoAction(kNeverAction), kFailure);
    EXPECT_EQ(gPerformed, 0u);
    EXPECT_EQ(manager.DoAction(kCheckedAction), kSuccess);
    EXPECT_EQ(gPerformed, kCheckedAction);
}

TEST_F(UiActionStates, TheManagersSwitchOverridesTheComponent) {
    manager.SetEnabled(kAlwaysAction, false);
    EXPECT_FALSE(manager.PrepareMenu(kContextKey)[0].enabled);
    EXPECT_EQ(manager.DoAction(kAlwaysAction), kFailure);
    manager.SetEnabled(kAlwaysAction, true);
}

TEST_F(UiActionStates, AContextMenuEntryRunsWithTheWidgetAndPointItPoppedUpFor) {
    InterfacePtr<IControlView> widget(CreateObject2<IControlView>(kIconWidgetBoss));
    IPMUnknown* someWidget = widget.get();
    ASSERT_TRUE(manager.PopUpContextMenu(kContextKey, someWidget, PMPoint(3, 4)));
    ASSERT_NE(manager.GetShownContextMenu(), nullptr);
    EXPECT_EQ(manager.ChooseContextMenuEntry(3), kFailure) << "a disabled entry";
    EXPECT_EQ(manager.GetShownContextMenu(), nullptr) << "choosing closes the menu";
    ASSERT_TRUE(manager.PopUpContextMenu(kContextKey, someWidget, PMPoint(3, 4)));
    EXPECT_EQ(manager.ChooseContextMenuEntry(0), kSuccess);
    EXPECT_EQ(gPerformed, kAlwaysAction);
    EXPECT_EQ(gPerformedWidget, someWidget);
    EXPECT_DOUBLE_EQ(gPerformedAt.X(), 3.0);
    EXPECT_FALSE(manager.PopUpContextMenu("#NoSuchContextMenuKey", nullptr, PMPoint()));
}
