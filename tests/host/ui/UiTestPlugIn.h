// A test plug-in for the UI toolkit: a panel with nested widgets and a tree view over an in-memory
// hierarchy of pages and notes, a dialog with a number field and a chooser, and an observer that
// records what widgets tell it.
#pragma once

#include <string>
#include <vector>

#include "host/notify/IObserver.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IControlView.h"
#include "host/ui/NodeID.h"

namespace UiTest {
constexpr PluginID kPluginID = 0x7EA000;
constexpr int32 kPanelRsrc = 1;
constexpr int32 kDialogRsrc = 2;
constexpr int32 kNodeRsrc = 3;

constexpr WidgetID kPanelID = 0x7EA100;
constexpr WidgetID kTitleID = 0x7EA101;
constexpr WidgetID kInnerPanelID = 0x7EA102;
constexpr WidgetID kDeepPanelID = 0x7EA103;
constexpr WidgetID kDeepCheckBoxID = 0x7EA104;
constexpr WidgetID kEditBoxID = 0x7EA105;
constexpr WidgetID kTreeID = 0x7EA106;
constexpr WidgetID kButtonID = 0x7EA107;
constexpr WidgetID kChooserID = 0x7EA108;
constexpr WidgetID kNodePanelID = 0x7EA109;
constexpr WidgetID kNodeLabelID = 0x7EA10A;

constexpr WidgetID kDialogID = 0x7EA200;
constexpr WidgetID kStartPageID = 0x7EA201;
constexpr WidgetID kPdfChooserID = 0x7EA202;
constexpr WidgetID kKindCheckBoxID = 0x7EA203;

// The in-memory hierarchy the tree view shows: the root, its pages and each page's notes.
struct Hierarchy {
    int32 pages = 0;
    int32 notesPerPage = 0;
    int64 childQueries = 0; // calls of the adapter's GetNthChild
};
Hierarchy& TheHierarchy();
NodeID RootNode();
NodeID PageNode(int32 page);
NodeID NoteNode(int32 page, int32 note);

// What the dialog controller and observer were asked to do.
struct DialogLog {
    int initialized = 0;
    int validated = 0;
    int applied = 0;
    int chooserChanges = 0;
    WidgetID refuse = kInvalidWidgetID; // the controller's own verdict before the host's checks
};
DialogLog& TheDialogLog();

// How often the observer of the panel's inner panel was attached and detached.
struct PanelObserverLog {
    int attached = 0;
    int detached = 0;
};
PanelObserverLog& ThePanelObserverLog();

// The edit box's text at each key release its own handler took.
std::vector<std::string>& TheKeyReleases();

void Register();
// The test panel (made by the panel manager), its tree view's interface iid, a widget of it by ID.
IControlView* Panel();
template <class T> InterfacePtr<T> PanelWidget(WidgetID id, PMIID iid);

// An observer outside any boss that records the changes it hears.
class RecordingObserver final : public IObserver {
public:
    struct Heard {
        ClassID change;
        PMIID protocol;
    };
    IPMUnknown* QueryInterface(PMIID) const override { return nullptr; }
    void AddRef() const override {}
    void Release() const override {}
    void Update(ClassID change, ISubject*, PMIID protocol, void*) override {
        heard.push_back({change, protocol});
    }
    void LazyUpdate(ISubject*, PMIID, const LazyNotificationData*) override {}
    void AutoAttach() override {}
    void AutoDetach() override {}
    int Count(ClassID change, PMIID protocol) const {
        int n = 0;
        for (const Heard& h : heard)
            n += h.change == change && h.protocol == protocol;
        return n;
    }
    std::vector<Heard> heard;
};

// Attaches the observer to a widget's subject for a protocol for the observer's lifetime.
class Listening {
public:
    Listening(const IPMUnknown* widget, PMIID protocol, IObserver* observer)
        : fSubject(widget, IID_ISUBJECT), fProtocol(protocol), fObserver(observer) {
        fSubject->AttachObserver(fObserver, fProtocol);
    }
    ~Listening() { fSubject->DetachObserver(fObserver, fProtocol); }
    Listening(const Listening&) = delete;
    Listening& operator=(const Listening&) = delete;

private:
    InterfacePtr<ISubject> fSubject;
    PMIID fProtocol;
    IObserver* fObserver;
};
} // namespace UiTest

#include "host/ui/IPanelControlData.h"

template <class T> InterfacePtr<T> UiTest::PanelWidget(WidgetID id, PMIID iid) {
    InterfacePtr<IPanelControlData> panel(Panel(), IID_IPANELCONTROLDATA);
    return InterfacePtr<T>(panel->FindWidget(id), iid);
}
