// Event watchers see an event before any widget; one that consumes it ends it. A watcher installed
// on a widget sees only events inside it. Unhandled events go up from the target to its panels.
// The keyboard focus goes only to an enabled, visible widget.
#include <gtest/gtest.h>

#include "UiTestPlugIn.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IEventDispatcher.h"
#include "host/ui/IEventWatcher.h"
#include "host/ui/IKeyBoard.h"
#include "host/ui/ITextControlData.h"

using namespace UiTest;

namespace {
// A watcher outside any boss that counts the events it sees and consumes mouse-downs when told to.
class CountingWatcher final : public IEventWatcher {
public:
    IPMUnknown* QueryInterface(PMIID) const override { return nullptr; }
    void AddRef() const override {}
    void Release() const override {}
    bool16 WatchEvent(IEvent* event) override {
        ++seen;
        lastType = event->GetType();
        return consume && event->GetType() == IEvent::kLButtonDn;
    }
    int seen = 0;
    IEvent::EventType lastType = IEvent::kNull;
    bool consume = false;
};

class UiEventWatcher : public ::testing::Test {
protected:
    void SetUp() override {
        Register();
        dispatcher = InterfacePtr<IEventDispatcher>(GetApplicationObject(), IID_IEVENTDISPATCHER);
    }
    void TearDown() override {
        dispatcher->RemoveEventWatcher(&first);
        dispatcher->RemoveEventWatcher(&second);
    }
    InterfacePtr<IEventDispatcher> dispatcher;
    CountingWatcher first, second;
};
} // namespace

TEST_F(UiEventWatcher, AWatcherThatConsumesAMouseDownHidesItFromLaterWatchers) {
    first.consume = true;
    dispatcher->AddEventWatcher(&first);
    dispatcher->AddEventWatcher(&second);
    IEvent down(IEvent::kLButtonDn, PMPoint(10, 20));
    EXPECT_TRUE(dispatcher->DispatchEvent(&down, Panel()));
    EXPECT_EQ(first.seen, 1);
    EXPECT_EQ(second.seen, 0);
    IEvent up(IEvent::kKeyUp, PMPoint(), u'a');
    dispatcher->DispatchEvent(&up, Panel());
    EXPECT_EQ(second.seen, 1) << "a key release is not consumed";
    EXPECT_EQ(second.lastType, IEvent::kKeyUp);
}

TEST_F(UiEventWatcher, AWatcherOnAWidgetSeesOnlyEventsInsideIt) {
    InterfacePtr<IControlView> inner = PanelWidget<IControlView>(kInnerPanelID, IID_ICONTROLVIEW);
    dispatcher->AddEventWatcher(&first, inner);
    IEvent onDeep(IEvent::kLButtonDn);
    dispatcher->DispatchEvent(&onDeep, PanelWidget<IControlView>(kDeepCheckBoxID, IID_ICONTROLVIEW));
    IEvent onEditBox(IEvent::kLButtonDn);
    dispatcher->DispatchEvent(&onEditBox, PanelWidget<IControlView>(kEditBoxID, IID_ICONTROLVIEW));
    EXPECT_EQ(first.seen, 1);
}

TEST_F(UiEventWatcher, ARemovedWatcherSeesNothingAndAnUnhandledEventIsReported) {
    const int32 before = dispatcher->CountEventWatchers();
    dispatcher->AddEventWatcher(&first);
    dispatcher->RemoveEventWatcher(&first);
    EXPECT_EQ(dispatcher->CountEventWatchers(), before);
    IEvent down(IEvent::kDoubleClick);
    EXPECT_FALSE(dispatcher->DispatchEvent(&down, PanelWidget<IControlView>(kEditBoxID, IID_ICONTROLVIEW)));
    EXPECT_EQ(first.seen, 0);
}

TEST_F(UiEventWatcher, AKeyReleaseReachesTheEditBoxHandlerAfterTheTypedTextIsIn) {
    TheKeyReleases().clear();
    InterfacePtr<ITextControlData> box = PanelWidget<ITextControlData>(kEditBoxID, IID_ITEXTCONTROLDATA);
    box->SetString(PMString(""), kTrue, kFalse);
    for (const char* typed : {"a", "ab"}) {
        box->SetString(PMString(typed)); // the front end's own typing
        IEvent release(IEvent::kKeyUp, PMPoint(), u'x');
        EXPECT_TRUE(dispatcher->DispatchEvent(&release, box));
    }
    EXPECT_EQ(TheKeyReleases(), (std::vector<std::string>{"a", "ab"}));
    first.consume = true;
    dispatcher->AddEventWatcher(&first, box);
    IEvent click(IEvent::kLButtonDn);
    dispatcher->DispatchEvent(&click, box);
    IEvent release(IEvent::kKeyUp);
    dispatcher->DispatchEvent(&release, box);
    EXPECT_EQ(TheKeyReleases().size(), 3u) << "a watcher that does not consume leaves the event to the box";
}

TEST(UiKeyboardFocus, OnlyAnEnabledVisibleWidgetTakesTheFocus) {
    Register();
    InterfacePtr<IKeyBoard> keyBoard(GetApplicationObject(), IID_IKEYBOARD);
    InterfacePtr<IControlView> box = PanelWidget<IControlView>(kEditBoxID, IID_ICONTROLVIEW);
    RecordingObserver observer;
    Listening listening(keyBoard, IID_IKEYBOARD, &observer);
    box->Disable();
    EXPECT_FALSE(keyBoard->SetKeyFocus(box));
    box->Enable();
    EXPECT_TRUE(keyBoard->SetKeyFocus(box));
    EXPECT_EQ(keyBoard->GetKeyFocus(), box.get());
    EXPECT_TRUE(keyBoard->SetKeyFocus(nullptr));
    EXPECT_EQ(observer.Count(kKeyFocusChangedMessage, IID_IKEYBOARD), 2);
}
