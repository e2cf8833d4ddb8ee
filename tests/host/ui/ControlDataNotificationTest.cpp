// Observers of a widget hear each real change of its control data under that data's protocol, and
// nothing when the value stays or the caller asks for silence; a click on a button is heard only
// while it is enabled; a drop-down's choice follows its entry when entries come and go.
#include <gtest/gtest.h>

#include "UiTestPlugIn.h"
#include "host/ui/IBooleanControlData.h"
#include "host/ui/IDropDownListController.h"
#include "host/ui/IStringListControlData.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITriStateControlData.h"

using namespace UiTest;

TEST(UiControlData, TextChangesAreHeardOnlyWhenTheTextChanges) {
    InterfacePtr<ITextControlData> box = PanelWidget<ITextControlData>(kEditBoxID, IID_ITEXTCONTROLDATA);
    box->SetString(PMString("start"), kTrue, kFalse);
    RecordingObserver observer;
    Listening listening(box, IID_ITEXTCONTROLDATA, &observer);
    box->SetString(PMString("a"));
    box->SetString(PMString("a"));
    box->SetString(PMString("ab"), kTrue, kFalse);
    box->SetString(PMString("abc"));
    EXPECT_EQ(observer.Count(kTextChangeStateMessage, IID_ITEXTCONTROLDATA), 2);
    EXPECT_EQ(box->GetString().GetUTF8String(), "abc");
}

TEST(UiControlData, EachTriStateIsHeardAsItsOwnMessage) {
    InterfacePtr<ITriStateControlData> box =
        PanelWidget<ITriStateControlData>(kDeepCheckBoxID, IID_ITRISTATECONTROLDATA);
    box->Deselect(kTrue, kFalse);
    RecordingObserver observer;
    Listening listening(box, IID_ITRISTATECONTROLDATA, &observer);
    box->Select();
    box->Select();
    box->SetUnknown();
    box->Deselect();
    ASSERT_EQ(observer.heard.size(), 3u);
    EXPECT_EQ(observer.heard[0].change, kTrueStateMessage);
    EXPECT_EQ(observer.heard[1].change, kUnknownStateMessage);
    EXPECT_EQ(observer.heard[2].change, kFalseStateMessage);
    EXPECT_TRUE(box->IsDeselected());
}

TEST(UiControlData, EnablingAndShowingAreHeardByTheFrontEnd) {
    InterfacePtr<IControlView> view = PanelWidget<IControlView>(kEditBoxID, IID_ICONTROLVIEW);
    RecordingObserver observer;
    Listening listening(view, IID_ICONTROLVIEW, &observer);
    view->Disable();
    view->Disable();
    EXPECT_FALSE(view->IsEnabled());
    view->Enable();
    view->Hide();
    view->Show();
    EXPECT_EQ(observer.Count(kWidgetStateChangedMessage, IID_ICONTROLVIEW), 4);
    EXPECT_TRUE(view->IsEnabled());
    EXPECT_TRUE(view->IsVisible());
}

TEST(UiControlData, AButtonClickIsHeardOnlyWhileTheButtonIsEnabled) {
    InterfacePtr<IBooleanControlData> button =
        PanelWidget<IBooleanControlData>(kButtonID, IID_IBOOLEANCONTROLDATA);
    InterfacePtr<IControlView> view(button, IID_ICONTROLVIEW);
    RecordingObserver observer;
    Listening listening(button, IID_IBOOLEANCONTROLDATA, &observer);
    button->Select();
    EXPECT_FALSE(button->IsSelected()) << "a push button springs back";
    view->Disable();
    button->Select();
    view->Enable();
    EXPECT_EQ(observer.Count(kTrueStateMessage, IID_IBOOLEANCONTROLDATA), 1);
}

TEST(UiControlData, ADropDownChoiceFollowsItsEntryAndIsLostWithIt) {
    InterfacePtr<IStringListControlData> list =
        PanelWidget<IStringListControlData>(kChooserID, IID_ISTRINGLISTCONTROLDATA);
    InterfacePtr<IDropDownListController> chooser(list, IID_IDROPDOWNLISTCONTROLLER);
    list->Clear();
    EXPECT_EQ(chooser->GetSelected(), IDropDownListController::kNoSelection);
    for (const char* entry : {"b.pdf", "c.pdf", "-", "Browse..."})
        list->AddString(PMString(entry));
    RecordingObserver observer;
    Listening listening(list, IID_ISTRINGLISTCONTROLDATA, &observer);
    chooser->Select(1);
    chooser->Select(1);
    chooser->Select(4); // out of range
    EXPECT_EQ(observer.Count(kPopupChangeStateMessage, IID_ISTRINGLISTCONTROLDATA), 1);
    list->AddString(PMString("a.pdf"), 0);
    EXPECT_EQ(chooser->GetSelected(), 2);
    EXPECT_EQ(list->GetString(chooser->GetSelected()).GetUTF8String(), "c.pdf");
    list->RemoveString(0);
    EXPECT_EQ(list->GetString(chooser->GetSelected()).GetUTF8String(), "c.pdf");
    EXPECT_EQ(list->GetIndex(PMString("Browse...")), 3);
    list->RemoveString(1);
    EXPECT_EQ(chooser->GetSelected(), IDropDownListController::kNoSelection);
    EXPECT_EQ(observer.Count(kStringListChangedMessage, IID_ISTRINGLISTCONTROLDATA), 3);
    list->Clear();
}
