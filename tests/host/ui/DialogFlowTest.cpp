// A dialog fills its fields when it opens; OK validates, then applies and closes, and a bad field
// keeps it open with the user told why and the field focused; Cancel closes without applying.
#include <gtest/gtest.h>

#include "UiTestPlugIn.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IBooleanControlData.h"
#include "host/ui/IDialog.h"
#include "host/ui/IDialogMgr.h"
#include "host/ui/IDropDownListController.h"
#include "host/ui/IKeyBoard.h"
#include "host/ui/IStringListControlData.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITextDataValidation.h"
#include "host/ui/ITriStateControlData.h"
#include "host/ui/ScriptedAlertResponder.h"

using namespace UiTest;

namespace {
class UiDialog : public ::testing::Test {
protected:
    void SetUp() override {
        Register();
        TheDialogLog() = DialogLog{};
        manager = InterfacePtr<IDialogMgr>(GetApplicationObject(), IID_IDIALOGMGR);
        dialog.reset(manager->CreateNewDialog(kPluginID, kDialogRsrc));
        ASSERT_NE(dialog, nullptr);
        InterfacePtr<ITextDataValidation> limits(Widget(kStartPageID), IID_ITEXTDATAVALIDATION);
        limits->SetMinimum(1);
        limits->SetMaximum(12);
        dialog->Open();
    }
    void TearDown() override { dialog->Close(); }
    IControlView* Widget(WidgetID id) const { return dialog->GetDialogPanel()->FindWidget(id); }
    void Type(WidgetID id, const char* text) const {
        InterfacePtr<ITextControlData>(Widget(id), IID_ITEXTCONTROLDATA)->SetString(PMString(text));
    }
    void Click(WidgetID id) const {
        InterfacePtr<IBooleanControlData>(Widget(id), IID_IBOOLEANCONTROLDATA)->Select();
    }

    ScriptedAlertResponder alerts;
    ScopedAlertResponder scope{&alerts};
    InterfacePtr<IDialogMgr> manager;
    InterfacePtr<IDialog> dialog;
};
} // namespace

TEST_F(UiDialog, OpeningFillsTheFieldsAndListsTheDialog) {
    EXPECT_TRUE(dialog->IsOpen());
    EXPECT_EQ(TheDialogLog().initialized, 1);
    EXPECT_EQ(InterfacePtr<ITextControlData>(Widget(kStartPageID), IID_ITEXTCONTROLDATA)
                  ->GetString()
                  .GetUTF8String(),
              "1");
    EXPECT_TRUE(
        InterfacePtr<ITriStateControlData>(Widget(kKindCheckBoxID), IID_ITRISTATECONTROLDATA)->IsSelected());
    ASSERT_EQ(manager->GetOpenDialogs().size(), 1u);
    EXPECT_EQ(manager->GetOpenDialogs().front(), dialog.get());
}

TEST_F(UiDialog, OKWithGoodFieldsAppliesThemAndCloses) {
    Click(kOKButtonWidgetID);
    EXPECT_EQ(TheDialogLog().validated, 1);
    EXPECT_EQ(TheDialogLog().applied, 1);
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_TRUE(manager->GetOpenDialogs().empty());
    EXPECT_TRUE(alerts.GetRequests().empty());
}

TEST_F(UiDialog, ABadNumberKeepsTheDialogOpenTellsWhyAndFocusesTheField) {
    Type(kStartPageID, "13");
    Click(kOKButtonWidgetID);
    EXPECT_TRUE(dialog->IsOpen());
    EXPECT_EQ(TheDialogLog().applied, 0);
    ASSERT_EQ(alerts.GetRequests().size(), 1u);
    EXPECT_EQ(alerts.GetRequests().front().kind, AlertRequest::kError);
    EXPECT_EQ(alerts.GetRequests().front().message.GetUTF8String(), "Enter a whole number between 1 and 12.");
    InterfacePtr<IKeyBoard> keyBoard(GetApplicationObject(), IID_IKEYBOARD);
    EXPECT_EQ(keyBoard->GetKeyFocus(), Widget(kStartPageID));
    Type(kStartPageID, "12");
    Click(kOKButtonWidgetID);
    EXPECT_EQ(TheDialogLog().applied, 1);
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(keyBoard->GetKeyFocus(), nullptr) << "the focus leaves a closed dialog";
}

TEST_F(UiDialog, ADisabledNumberFieldIsNotValidated) {
    Type(kStartPageID, "0");
    Widget(kStartPageID)->Disable();
    EXPECT_TRUE(dialog->PressOK());
    EXPECT_EQ(TheDialogLog().applied, 1);
}

TEST_F(UiDialog, TheControllersOwnVerdictKeepsTheDialogOpen) {
    TheDialogLog().refuse = kPdfChooserID;
    EXPECT_FALSE(dialog->PressOK());
    EXPECT_TRUE(dialog->IsOpen());
    EXPECT_EQ(TheDialogLog().applied, 0);
}

TEST_F(UiDialog, CancelClosesWithoutValidatingOrApplying) {
    Type(kStartPageID, "99");
    Click(kCancelButtonWidgetID);
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(TheDialogLog().validated, 0);
    EXPECT_EQ(TheDialogLog().applied, 0);
}

TEST_F(UiDialog, TheObserverHearsItsWidgetsOnlyWhileTheDialogIsOpen) {
    InterfacePtr<IStringListControlData> list(Widget(kPdfChooserID), IID_ISTRINGLISTCONTROLDATA);
    InterfacePtr<IDropDownListController> chooser(list, IID_IDROPDOWNLISTCONTROLLER);
    list->AddString(PMString("a.pdf"));
    list->AddString(PMString("b.pdf"));
    chooser->Select(1);
    EXPECT_EQ(TheDialogLog().chooserChanges, 1);
    dialog->PressCancel();
    chooser->Select(0);
    Click(kOKButtonWidgetID);
    EXPECT_EQ(TheDialogLog().chooserChanges, 1);
    EXPECT_EQ(TheDialogLog().validated, 0) << "a closed dialog's buttons do nothing";
}

TEST(UiDialogMgr, AResourceThatIsNoDialogMakesNoDialog) {
    Register();
    InterfacePtr<IDialogMgr> manager(GetApplicationObject(), IID_IDIALOGMGR);
    EXPECT_EQ(manager->CreateNewDialog(kPluginID, kPanelRsrc), nullptr);
    EXPECT_EQ(manager->CreateNewDialog(kPluginID, 77), nullptr);
}
