// Which toolkit widget class the window draws a widget as: the most derived of the toolkit's
// classes wins (an int field is no plain text field, a toggle no check box, a dialog a panel).
#include <gtest/gtest.h>

#include "GuiFixture.h"
#include "WidgetKind.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IControlView.h"
#include "host/ui/UIIDs.h"

namespace {
class WidgetKinds : public GuiTest {};

WidgetKind::Kind KindOfNew(ClassID widgetClass) {
    InterfacePtr<IPMUnknown> widget(CreateObject(widgetClass, IID_ICONTROLVIEW));
    return widget ? WidgetKind::Of(widget) : WidgetKind::kUnknown;
}

TEST_F(WidgetKinds, TheMostDerivedToolkitClassNamesTheKind) {
    EXPECT_EQ(KindOfNew(kStaticTextWidgetBoss), WidgetKind::kStaticText);
    EXPECT_EQ(KindOfNew(kTextEditBoxWidgetBoss), WidgetKind::kTextEditBox);
    EXPECT_EQ(KindOfNew(kMultilineTextEditBoxWidgetBoss), WidgetKind::kMultilineTextEditBox);
    EXPECT_EQ(KindOfNew(kIntEditBoxWidgetBoss), WidgetKind::kIntEditBox);
    EXPECT_EQ(KindOfNew(kCheckBoxWidgetBoss), WidgetKind::kCheckBox);
    EXPECT_EQ(KindOfNew(kIconToggleButtonWidgetBoss), WidgetKind::kIconToggleButton);
    EXPECT_EQ(KindOfNew(kTreeExpanderWidgetBoss), WidgetKind::kTreeExpander);
    EXPECT_EQ(KindOfNew(kButtonWidgetBoss), WidgetKind::kButton);
    EXPECT_EQ(KindOfNew(kIconButtonWidgetBoss), WidgetKind::kIconButton);
    EXPECT_EQ(KindOfNew(kDropDownListWidgetBoss), WidgetKind::kDropDownList);
    EXPECT_EQ(KindOfNew(kGenericPanelWidgetBoss), WidgetKind::kPanel);
    EXPECT_EQ(KindOfNew(kDialogBoss), WidgetKind::kPanel);
}

TEST_F(WidgetKinds, APlugInsWidgetClassIsDrawnAsTheToolkitClassItDerivesFrom) {
    EXPECT_EQ(KindOfNew(kNotesUINotesTreeViewBoss), WidgetKind::kTreeView);
    EXPECT_EQ(KindOfNew(kNotesUIPanelBoss), WidgetKind::kPanel);
}

TEST_F(WidgetKinds, WhatIsNoWidgetIsUnknown) {
    InterfacePtr<IPMUnknown> service(CreateObject(kOpenFileDialogBoss, IID_IOPENFILEDIALOG));
    ASSERT_NE(service, nullptr);
    EXPECT_EQ(WidgetKind::Of(service), WidgetKind::kUnknown);
    EXPECT_EQ(WidgetKind::Of(nullptr), WidgetKind::kUnknown);
}
} // namespace
