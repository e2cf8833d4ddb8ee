// Widgets of a declared panel are found by widget ID, the nearest first, no deeper than asked; a
// panel's texts are translated when it is made, and the panel manager shows and hides it.
#include <gtest/gtest.h>

#include "UiTestPlugIn.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IPanelMgr.h"
#include "host/ui/ITextControlData.h"

using namespace UiTest;

namespace {
InterfacePtr<IPanelControlData> PanelData() {
    return InterfacePtr<IPanelControlData>(Panel(), IID_IPANELCONTROLDATA);
}
} // namespace

TEST(UiWidgetLookup, AWidgetThreeLevelsDownIsFoundOnlyWithADepthOfThree) {
    InterfacePtr<IPanelControlData> panel = PanelData();
    EXPECT_EQ(panel->FindWidget(kDeepCheckBoxID, 2), nullptr);
    IControlView* deep = panel->FindWidget(kDeepCheckBoxID, 3);
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(deep->GetWidgetID(), kDeepCheckBoxID);
    EXPECT_EQ(panel->FindWidget(kDeepCheckBoxID), deep) << "the default depth reaches every level";
    EXPECT_EQ(panel->FindWidget(kButtonID, 1), nullptr);
    EXPECT_NE(panel->FindWidget(kButtonID, 2), nullptr);
}

TEST(UiWidgetLookup, AWidgetKnowsItsParentsUpToThePanel) {
    IControlView* deep = PanelData()->FindWidget(kDeepCheckBoxID);
    ASSERT_NE(deep, nullptr);
    ASSERT_NE(deep->GetParentView(), nullptr);
    EXPECT_EQ(deep->GetParentView()->GetWidgetID(), kDeepPanelID);
    EXPECT_EQ(deep->GetParentView()->GetParentView()->GetParentView(), Panel());
    EXPECT_EQ(Panel()->GetParentView(), nullptr);
}

TEST(UiWidgetLookup, AnUnknownIDOrAnUnknownPanelFindsNothing) {
    Register();
    EXPECT_EQ(PanelData()->FindWidget(0x7EA1FF), nullptr);
    EXPECT_EQ(PanelData()->FindWidget(kPanelID), nullptr) << "a panel is not below itself";
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    EXPECT_EQ(panels->GetPanelFromWidgetID(0x7EA1FE), nullptr);
    EXPECT_FALSE(panels->ShowPanelByWidgetID(0x7EA1FE));
}

TEST(UiWidgetLookup, DeclaredTextsAreTranslatedWhenThePanelIsMade) {
    InterfacePtr<ITextControlData> title = PanelWidget<ITextControlData>(kTitleID, IID_ITEXTCONTROLDATA);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->GetString().GetUTF8String(), "Notes of the test");
}

TEST(UiWidgetLookup, ThePanelManagerShowsAndHidesThePanelAndAttachesItsObservers) {
    Register();
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    IControlView* panel = Panel();
    EXPECT_FALSE(panels->IsPanelWithWidgetIDShown(kPanelID));
    EXPECT_FALSE(panel->IsVisible());
    ThePanelObserverLog() = PanelObserverLog{};
    EXPECT_TRUE(panels->ShowPanelByWidgetID(kPanelID));
    EXPECT_TRUE(panels->ShowPanelByWidgetID(kPanelID));
    EXPECT_EQ(ThePanelObserverLog().attached, 1) << "the observers of a shown panel's widgets attach once";
    EXPECT_TRUE(panels->IsPanelWithWidgetIDShown(kPanelID));
    EXPECT_TRUE(panel->IsVisible());
    EXPECT_EQ(panels->GetPanelFromWidgetID(kPanelID), panel) << "made once, kept";
    panels->HidePanelByWidgetID(kPanelID);
    EXPECT_EQ(ThePanelObserverLog().detached, 1);
    EXPECT_FALSE(panels->IsPanelWithWidgetIDShown(kPanelID));
    EXPECT_FALSE(panel->IsVisible());
}
