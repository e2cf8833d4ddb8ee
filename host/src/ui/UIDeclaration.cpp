#include "UIDeclaration.h"

#include "UIImplementations.h"
#include "host/objectmodel/HostIDs.h"
#include "host/ui/UIIDs.h"

namespace {
std::vector<ImplementationDeclaration> UIImplementations() {
    return {MakeControlViewImplementation(kControlViewImpl),
            MakePanelControlDataImplementation(kPanelControlDataImpl),
            MakeTextControlDataImplementation(kTextControlDataImpl),
            MakeTriStateControlDataImplementation(kTriStateControlDataImpl),
            MakeButtonControlDataImplementation(kButtonControlDataImpl),
            MakeStringListControlDataImplementation(kStringListControlDataImpl),
            MakeDropDownListControllerImplementation(kDropDownListControllerImpl),
            MakeTextValueImplementation(kTextValueImpl),
            MakeTextDataValidationImplementation(kTextDataValidationImpl),
            MakeEventDispatcherImplementation(kEventDispatcherImpl),
            MakeKeyBoardImplementation(kKeyBoardImpl),
            MakePanelMgrImplementation(kPanelMgrImpl),
            MakeDialogMgrImplementation(kDialogMgrImpl),
            MakeDialogImplementation(kDialogImpl),
            MakeTreeViewMgrImplementation(kTreeViewMgrImpl),
            MakeTreeViewControllerImplementation(kTreeViewControllerImpl),
            MakeTreeViewEventHandlerImplementation(kTreeViewEventHandlerImpl),
            MakeOpenFileDialogImplementation(kOpenFileDialogImpl)};
}

// What every widget has: its view and the subject its changes go through.
ClassDeclaration Widget(ClassID id, const char* name, std::vector<InterfaceDeclaration> more) {
    more.insert(more.begin(), {{IID_ICONTROLVIEW, kControlViewImpl}, {IID_ISUBJECT, kSubjectImpl}});
    return ClassDeclaration{id, kInvalidClass, name, std::move(more)};
}

ClassDeclaration Derived(ClassID id, ClassID parent, const char* name,
                         std::vector<InterfaceDeclaration> more = {}) {
    return ClassDeclaration{id, parent, name, std::move(more)};
}

std::vector<ClassDeclaration> UIClasses() {
    const InterfaceDeclaration text{IID_ITEXTCONTROLDATA, kTextControlDataImpl};
    const InterfaceDeclaration triState{IID_ITRISTATECONTROLDATA, kTriStateControlDataImpl};
    return {
        Widget(kGenericPanelWidgetBoss, "kGenericPanelWidgetBoss",
               {{IID_IPANELCONTROLDATA, kPanelControlDataImpl}}),
        Derived(kPalettePanelWidgetBoss, kGenericPanelWidgetBoss, "kPalettePanelWidgetBoss", {text}),
        Derived(kDialogBoss, kGenericPanelWidgetBoss, "kDialogBoss", {text, {IID_IDIALOG, kDialogImpl}}),
        Widget(kStaticTextWidgetBoss, "kStaticTextWidgetBoss", {text}),
        Widget(kTextEditBoxWidgetBoss, "kTextEditBoxWidgetBoss", {text}),
        Derived(kMultilineTextEditBoxWidgetBoss, kTextEditBoxWidgetBoss, "kMultilineTextEditBoxWidgetBoss"),
        Derived(kIntEditBoxWidgetBoss, kTextEditBoxWidgetBoss, "kIntEditBoxWidgetBoss",
                {{IID_ITEXTVALUE, kTextValueImpl}, {IID_ITEXTDATAVALIDATION, kTextDataValidationImpl}}),
        Widget(kCheckBoxWidgetBoss, "kCheckBoxWidgetBoss", {triState, text}),
        Derived(kIconToggleButtonWidgetBoss, kCheckBoxWidgetBoss, "kIconToggleButtonWidgetBoss"),
        Derived(kTreeExpanderWidgetBoss, kCheckBoxWidgetBoss, "kTreeExpanderWidgetBoss"),
        Widget(kButtonWidgetBoss, "kButtonWidgetBoss",
               {{IID_IBOOLEANCONTROLDATA, kButtonControlDataImpl}, text}),
        Derived(kIconButtonWidgetBoss, kButtonWidgetBoss, "kIconButtonWidgetBoss"),
        Widget(kIconWidgetBoss, "kIconWidgetBoss", {}),
        Widget(kDropDownListWidgetBoss, "kDropDownListWidgetBoss",
               {{IID_ISTRINGLISTCONTROLDATA, kStringListControlDataImpl},
                {IID_IDROPDOWNLISTCONTROLLER, kDropDownListControllerImpl}}),
        Widget(kTreeViewWidgetBoss, "kTreeViewWidgetBoss",
               {{IID_ITREEVIEWMGR, kTreeViewMgrImpl},
                {IID_ITREEVIEWCONTROLLER, kTreeViewControllerImpl},
                {IID_IEVENTHANDLER, kTreeViewEventHandlerImpl}}),
        ClassDeclaration{kOpenFileDialogBoss,
                         kInvalidClass,
                         "kOpenFileDialogBoss",
                         {{IID_IOPENFILEDIALOG, kOpenFileDialogImpl}}},
    };
}
} // namespace

void AddUIDeclaration(PlugInDeclaration* declaration) {
    for (const ImplementationDeclaration& implementation : UIImplementations())
        declaration->implementations.push_back(implementation);
    for (ClassDeclaration& widget : UIClasses())
        declaration->classes.push_back(std::move(widget));
    declaration->addIns.push_back(AddInDeclaration{kApplicationBoss,
                                                   {{IID_IEVENTDISPATCHER, kEventDispatcherImpl},
                                                    {IID_IKEYBOARD, kKeyBoardImpl},
                                                    {IID_IPANELMGR, kPanelMgrImpl},
                                                    {IID_IDIALOGMGR, kDialogMgrImpl}}});
}
