#include "UiTestPlugIn.h"

#include "DeclaredPlugIn.h"
#include "host/notify/CObserver.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/CDialogController.h"
#include "host/ui/CDialogObserver.h"
#include "host/ui/CEventHandler.h"
#include "host/ui/CTreeViewWidgetMgr.h"
#include "host/ui/IPanelMgr.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITreeViewHierarchyAdapter.h"
#include "host/ui/UIDNodeID.h"

namespace UiTest {
namespace {
constexpr ClassID kTestTreeViewBoss = 0x7EA300;
constexpr ClassID kTestDialogBoss = 0x7EA301;
constexpr ImplementationID kTestAdapterImpl = 0x7EA302;
constexpr ImplementationID kTestWidgetMgrImpl = 0x7EA303;
constexpr ImplementationID kTestDialogControllerImpl = 0x7EA304;
constexpr ImplementationID kTestDialogObserverImpl = 0x7EA305;
constexpr ClassID kTestObservedPanelBoss = 0x7EA306;
constexpr ImplementationID kTestPanelObserverImpl = 0x7EA307;
constexpr ClassID kTestEditBoxBoss = 0x7EA308;
constexpr ImplementationID kTestKeyHandlerImpl = 0x7EA309;

// Node UIDs: the root 1, page p 1000 + p, note n of page p 1'000'000 + p * 1000 + n.
constexpr UID kRootUID = 1;
UID PageUID(int32 page) {
    return 1000 + page;
}
UID NoteUID(int32 page, int32 note) {
    return 1000000 + page * 1000 + note;
}

UID UIDOf(const NodeID& node) {
    TreeNodePtr<UIDNodeID> uidNode(node);
    return uidNode ? uidNode->GetUID() : kInvalidUID;
}

class TestAdapter final : public CPMUnknown<ITreeViewHierarchyAdapter> {
public:
    explicit TestAdapter(IPMUnknown* boss) : CPMUnknown<ITreeViewHierarchyAdapter>(boss) {}
    NodeID_rv GetRootNode() const override { return RootNode(); }
    NodeID_rv GetParentNode(const NodeID& node) const override {
        const UID uid = UIDOf(node);
        if (uid >= 1000000)
            return PageNode((uid - 1000000) / 1000);
        return uid >= 1000 ? RootNode() : NodeID();
    }
    int32 GetNumChildren(const NodeID& node) const override {
        const UID uid = UIDOf(node);
        return uid == kRootUID                ? TheHierarchy().pages
               : uid >= 1000 && uid < 1000000 ? TheHierarchy().notesPerPage
                                              : 0;
    }
    NodeID_rv GetNthChild(const NodeID& node, const int32& nth) const override {
        ++TheHierarchy().childQueries;
        if (nth < 0 || nth >= GetNumChildren(node))
            return NodeID();
        const UID uid = UIDOf(node);
        return uid == kRootUID ? PageNode(nth) : NoteNode(static_cast<int32>(uid - 1000), nth);
    }
    int32 GetChildIndex(const NodeID& parent, const NodeID& child) const override {
        for (int32 i = 0; i < GetNumChildren(parent); ++i)
            if (GetNthChild(parent, i) == child)
                return i;
        return -1;
    }
};

// Labels a node's widget with its UID.
class TestWidgetMgr final : public CTreeViewWidgetMgr {
public:
    explicit TestWidgetMgr(IPMUnknown* boss) : CTreeViewWidgetMgr(boss, kPluginID, kNodeRsrc) {}

protected:
    bool16 ApplyDataToWidget(const NodeID& node, IControlView* widget, int32) const override {
        InterfacePtr<IPanelControlData> panel(widget, IID_IPANELCONTROLDATA);
        InterfacePtr<ITextControlData> label(panel->FindWidget(kNodeLabelID), IID_ITEXTCONTROLDATA);
        PMString text;
        text.AppendNumber(static_cast<int32>(UIDOf(node)));
        label->SetString(text);
        return kTrue;
    }
};

class TestDialogController final : public CDialogController {
public:
    explicit TestDialogController(IPMUnknown* boss) : CDialogController(boss) {}
    void InitializeDialogFields(IActiveContext* context) override {
        CDialogController::InitializeDialogFields(context);
        ++TheDialogLog().initialized;
        SetTextValue(kStartPageID, 1);
        SetTriStateControlData(kKindCheckBoxID, kTrue);
    }
    WidgetID ValidateDialogFields(IActiveContext* context) override {
        ++TheDialogLog().validated;
        if (TheDialogLog().refuse != kInvalidWidgetID)
            return TheDialogLog().refuse;
        return CDialogController::ValidateDialogFields(context);
    }
    void ApplyDialogFields(IActiveContext*, const WidgetID&) override { ++TheDialogLog().applied; }
};

class TestDialogObserver final : public CDialogObserver {
public:
    explicit TestDialogObserver(IPMUnknown* boss) : CDialogObserver(boss) {}
    void AutoAttach() override {
        CDialogObserver::AutoAttach();
        AttachToWidget(kPdfChooserID, IID_ISTRINGLISTCONTROLDATA);
    }
    void AutoDetach() override {
        CDialogObserver::AutoDetach();
        DetachFromWidget(kPdfChooserID, IID_ISTRINGLISTCONTROLDATA);
    }
    void Update(ClassID change, ISubject* subject, PMIID protocol, void* changedBy) override {
        CDialogObserver::Update(change, subject, protocol, changedBy);
        if (change == kPopupChangeStateMessage && WidgetIDOf(subject) == kPdfChooserID)
            ++TheDialogLog().chooserChanges;
    }
};

// Counts how often the panel's observers are attached and detached.
// Records the box's text at each key release it handles.
class TestKeyHandler final : public CEventHandler {
public:
    explicit TestKeyHandler(IPMUnknown* boss) : CEventHandler(boss) {}
    bool16 KeyUp(IEvent*) override {
        InterfacePtr<ITextControlData> text(this, IID_ITEXTCONTROLDATA);
        TheKeyReleases().push_back(text->GetString().GetUTF8String());
        return kTrue;
    }
};

class TestPanelObserver final : public CObserver {
public:
    explicit TestPanelObserver(IPMUnknown* boss) : CObserver(boss) {}
    void AutoAttach() override { ++ThePanelObserverLog().attached; }
    void AutoDetach() override { ++ThePanelObserverLog().detached; }
};

WidgetResourceDeclaration PanelResource() {
    WidgetDeclaration deep{
        kGenericPanelWidgetBoss, kDeepPanelID, "", 0, {{kCheckBoxWidgetBoss, kDeepCheckBoxID}}};
    WidgetDeclaration inner{
        kTestObservedPanelBoss, kInnerPanelID, "", 0, {deep, {kButtonWidgetBoss, kButtonID}}};
    return {kPanelRsrc,
            WidgetResourceDeclaration::kPanel,
            {kPalettePanelWidgetBoss,
             kPanelID,
             "Test Panel",
             0,
             {{kStaticTextWidgetBoss, kTitleID, "#UiTestTitleKey"},
              inner,
              {kTestEditBoxBoss, kEditBoxID},
              {kDropDownListWidgetBoss, kChooserID},
              {kTestTreeViewBoss, kTreeID}}}};
}

WidgetResourceDeclaration DialogResource() {
    return {kDialogRsrc,
            WidgetResourceDeclaration::kDialog,
            {kTestDialogBoss,
             kDialogID,
             "Test Dialog",
             0,
             {{kIntEditBoxWidgetBoss, kStartPageID},
              {kDropDownListWidgetBoss, kPdfChooserID},
              {kCheckBoxWidgetBoss, kKindCheckBoxID},
              {kButtonWidgetBoss, kOKButtonWidgetID, "OK"},
              {kButtonWidgetBoss, kCancelButtonWidgetID, "Cancel"}}}};
}

WidgetResourceDeclaration NodeResource() {
    return {kNodeRsrc,
            WidgetResourceDeclaration::kTreeNode,
            {kGenericPanelWidgetBoss,
             kNodePanelID,
             "",
             0,
             {{kTreeExpanderWidgetBoss, kTreeNodeExpanderWidgetID}, {kStaticTextWidgetBoss, kNodeLabelID}}}};
}

PlugInDeclaration Declaration() {
    PlugInDeclaration decl;
    decl.id = kPluginID;
    decl.name = "UiToolkitTests";
    decl.version = {1, 0, 0};
    decl.implementations = {IMPLEMENTATION(TestAdapter, kTestAdapterImpl, false),
                            IMPLEMENTATION(TestWidgetMgr, kTestWidgetMgrImpl, false),
                            IMPLEMENTATION(TestDialogController, kTestDialogControllerImpl, false),
                            IMPLEMENTATION(TestDialogObserver, kTestDialogObserverImpl, false),
                            IMPLEMENTATION(TestPanelObserver, kTestPanelObserverImpl, false),
                            IMPLEMENTATION(TestKeyHandler, kTestKeyHandlerImpl, false)};
    decl.classes = {
        {kTestTreeViewBoss,
         kTreeViewWidgetBoss,
         "kTestTreeViewBoss",
         {{IID_ITREEVIEWHIERARCHYADAPTER, kTestAdapterImpl}, {IID_ITREEVIEWWIDGETMGR, kTestWidgetMgrImpl}}},
        {kTestEditBoxBoss,
         kMultilineTextEditBoxWidgetBoss,
         "kTestEditBoxBoss",
         {{IID_IEVENTHANDLER, kTestKeyHandlerImpl}}},
        {kTestObservedPanelBoss,
         kGenericPanelWidgetBoss,
         "kTestObservedPanelBoss",
         {{IID_IOBSERVER, kTestPanelObserverImpl}}},
        {kTestDialogBoss,
         kDialogBoss,
         "kTestDialogBoss",
         {{IID_IDIALOGCONTROLLER, kTestDialogControllerImpl}, {IID_IOBSERVER, kTestDialogObserverImpl}}}};
    decl.stringTables = {{"enUS", false, {{"#UiTestTitleKey", "Notes of the test"}}}};
    decl.widgetResources = {PanelResource(), DialogResource(), NodeResource()};
    return decl;
}
} // namespace

Hierarchy& TheHierarchy() {
    static Hierarchy hierarchy;
    return hierarchy;
}
NodeID RootNode() {
    return UIDNodeID::Create(nullptr, kRootUID);
}
NodeID PageNode(int32 page) {
    return UIDNodeID::Create(nullptr, PageUID(page));
}
NodeID NoteNode(int32 page, int32 note) {
    return UIDNodeID::Create(nullptr, NoteUID(page, note));
}

std::vector<std::string>& TheKeyReleases() {
    static std::vector<std::string> releases;
    return releases;
}

PanelObserverLog& ThePanelObserverLog() {
    static PanelObserverLog log;
    return log;
}

DialogLog& TheDialogLog() {
    static DialogLog log;
    return log;
}

void Register() {
    static DeclaredPlugIn plugIn(Declaration(), "host_tests");
    plugIn.RegisterOnce();
}

IControlView* Panel() {
    Register();
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    return panels->GetPanelFromWidgetID(kPanelID);
}
} // namespace UiTest
