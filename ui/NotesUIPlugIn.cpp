#include "NotesUIPlugIn.h"

#include "NotesUIActionComponent.h"
#include "NotesUIAnnotationIterator.h"
#include "NotesUICommandProcessorObserver.h"
#include "NotesUIDocumentObserver.h"
#include "NotesUIEventWatcher.h"
#include "NotesUIImportDialogDeclaration.h"
#include "NotesUINoteEditBoxEventHandler.h"
#include "NotesUINotesPanelControlView.h"
#include "NotesUINotesPanelWidgetObserver.h"
#include "NotesUINotesTreeViewAdapter.h"
#include "NotesUINotesTreeViewEventHandler.h"
#include "NotesUINotesTreeViewObserver.h"
#include "NotesUINotesTreeViewWidgetMgr.h"
#include "NotesUIPanelMenus.h"
#include "NotesUIPanelSelectionObserver.h"
#include "NotesUIResponder.h"
#include "NotesUIResponderServiceProvider.h"
#include "NotesUIStartupServiceProvider.h"
#include "NotesUIStartupShutdownProvider.h"
#include "NotesUIStrings.h"
#include "NotesUITextControlData.h"
#include "QuillpaneID.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/HostIDs.h"
#include "host/ui/UIIDs.h"

namespace {
// Any function of the library names its file; this one is the library's own even when the plug-in
// is linked into a test program with the core plug-in.
std::string ModuleFile() {
    return ModuleFileOf(reinterpret_cast<const void*>(&ModuleFile));
}

std::vector<ImplementationDeclaration> Implementations() {
    return {IMPLEMENTATION(NotesUINotesTreeViewAdapter, kNotesUINotesTreeViewAdapterImpl, false),
            IMPLEMENTATION(NotesUINotesTreeViewWidgetMgr, kNotesUINotesTreeViewWidgetMgrImpl, false),
            IMPLEMENTATION(NotesUINotesTreeViewObserver, kNotesUINotesTreeViewObserverImpl, false),
            IMPLEMENTATION(NotesUIPanelSelectionObserver, kNotesUIPanelSelectionObserverImpl, false),
            IMPLEMENTATION(NotesUIDocumentObserver, kNotesUIDocumentObserverImpl, false),
            IMPLEMENTATION(NotesUIAnnotationIterator, kNotesUIAnnotationIteratorImpl, false),
            IMPLEMENTATION(NotesUINotesPanelControlView, kNotesUINotesPanelControlViewImpl, false),
            IMPLEMENTATION(NotesUINotesTreeViewEventHandler, kNotesUINotesTreeViewEventHandlerImpl, false),
            IMPLEMENTATION(NotesUIActionComponent, kNotesUIActionComponentImpl, false),
            IMPLEMENTATION(NotesUINotesPanelWidgetObserver, kNotesUINotesPanelWidgetObserverImpl, false),
            IMPLEMENTATION(NotesUIEventWatcher, kNotesUIEventWatcherImpl, false),
            IMPLEMENTATION(NotesUINoteEditBoxEventHandler, kNotesUINoteEditBoxEventHandlerImpl, false),
            IMPLEMENTATION(NotesUITextControlData, kNotesUITextControlDataImpl, false),
            IMPLEMENTATION(NotesUIResponder, kNotesUIResponderImpl, false),
            IMPLEMENTATION(NotesUIResponderServiceProvider, kNotesUIResponderServiceProviderImpl, false),
            IMPLEMENTATION(NotesUICommandProcessorObserver, kNotesUICommandProcessorObserverImpl, false),
            IMPLEMENTATION(NotesUIStartupShutdownProvider, kNotesUIStartupShutdownProviderImpl, false),
            IMPLEMENTATION(NotesUIStartupServiceProvider, kNotesUIStartupShutdownServiceProviderImpl, false)};
}

std::vector<ClassDeclaration> Classes() {
    return {{kNotesUIPanelBoss,
             kPalettePanelWidgetBoss,
             "kNotesUIPanelBoss",
             {{IID_ICONTROLVIEW, kNotesUINotesPanelControlViewImpl},
              {IID_IOBSERVER, kNotesUIPanelSelectionObserverImpl},
              {IID_INOTESUIPANELWIDGETOBSERVER, kNotesUINotesPanelWidgetObserverImpl}}},
            {kNotesUINotesTreeViewBoss,
             kTreeViewWidgetBoss,
             "kNotesUINotesTreeViewBoss",
             {{IID_ITREEVIEWHIERARCHYADAPTER, kNotesUINotesTreeViewAdapterImpl},
              {IID_ITREEVIEWWIDGETMGR, kNotesUINotesTreeViewWidgetMgrImpl},
              {IID_IOBSERVER, kNotesUINotesTreeViewObserverImpl},
              {IID_INOTESUIANNOTATIONITERATOR, kNotesUIAnnotationIteratorImpl},
              {IID_IEVENTHANDLER, kNotesUINotesTreeViewEventHandlerImpl}}},
            {kNotesUINoteEditBoxBoss,
             kMultilineTextEditBoxWidgetBoss,
             "kNotesUINoteEditBoxBoss",
             {{IID_INOTESUITEXTCONTROLDATA, kNotesUITextControlDataImpl},
              {IID_IEVENTHANDLER, kNotesUINoteEditBoxEventHandlerImpl}}},
            {kNotesUIActionComponentBoss,
             kInvalidClass,
             "kNotesUIActionComponentBoss",
             {{IID_IACTIONCOMPONENT, kNotesUIActionComponentImpl}}},
            {kNotesUIEventWatcherBoss,
             kInvalidClass,
             "kNotesUIEventWatcherBoss",
             {{IID_IEVENTWATCHER, kNotesUIEventWatcherImpl}}},
            {kNotesUIResponderServiceBoss,
             kInvalidClass,
             "kNotesUIResponderServiceBoss",
             {{IID_IK2SERVICEPROVIDER, kNotesUIResponderServiceProviderImpl},
              {IID_IRESPONDER, kNotesUIResponderImpl}}},
            {kNotesUIStartupShutdownBoss,
             kInvalidClass,
             "kNotesUIStartupShutdownBoss",
             {{IID_IK2SERVICEPROVIDER, kNotesUIStartupShutdownServiceProviderImpl},
              {IID_ISTARTUPSHUTDOWN, kNotesUIStartupShutdownProviderImpl}}}};
}

// The Notes panel: the tree, then the selected note's details and the buttons that act on it.
WidgetResourceDeclaration PanelResource() {
    return {kNotesUIPanelRsrcID,
            WidgetResourceDeclaration::kPanel,
            {kNotesUIPanelBoss,
             kNotesUIPanelWidgetID,
             NOTES_UI_KEY(kNotesUIPanelTitleKey),
             0,
             {{kNotesUINotesTreeViewBoss, kNotesUITreeViewWidgetID},
              {kStaticTextWidgetBoss, kNotesUIAuthorWidgetID},
              {kStaticTextWidgetBoss, kNotesUIDateWidgetID},
              {kNotesUINoteEditBoxBoss, kNotesUINoteEditBoxWidgetID},
              {kIconToggleButtonWidgetBoss, kNotesUICreateNoteWidgetID},
              {kIconButtonWidgetBoss, kNotesUIAcceptIconWidgetID},
              {kIconButtonWidgetBoss, kNotesUIRejectIconWidgetID},
              {kIconButtonWidgetBoss, kNotesUIRemoveIconWidgetID}}},
            NOTES_UI_PANEL_MENU};
}

// One row of the tree: expander, kind icon and label in the node's general panel.
WidgetResourceDeclaration TreeNodeResource() {
    return {kNotesUITreeNodeRsrcID,
            WidgetResourceDeclaration::kTreeNode,
            {kGenericPanelWidgetBoss,
             kNotesUINodeGeneralPanelWidgetID,
             "",
             0,
             {{kTreeExpanderWidgetBoss, kTreeNodeExpanderWidgetID},
              {kIconWidgetBoss, kNotesUINodeIconWidgetID},
              {kStaticTextWidgetBoss, kNotesUINodeLabelWidgetID}}}};
}

PlugInDeclaration MakeDeclaration() {
    PlugInDeclaration decl;
    decl.id = kNotesUIPluginID;
    decl.name = kNotesUIPluginName;
    decl.version = {kNotesUIMajorVersion, kNotesUIMinorVersion, kNotesUIBugfixVersion};
    decl.buildText = "1.1.5";
    decl.implementations = Implementations();
    decl.classes = Classes();
    decl.addIns = {{kDocBoss, {{IID_INOTESUIDOCUMENTOBSERVER, kNotesUIDocumentObserverImpl}}},
                   {kApplicationBoss,
                    {{IID_INOTESUIJUMPTONEXTOPTION, kBoolDataImpl},
                     {IID_INOTESUICOMMANDPROCESSOROBSERVER, kNotesUICommandProcessorObserverImpl}}}};
    decl.actions = NotesUIPanelMenus::Actions();
    decl.menus = NotesUIPanelMenus::Menus();
    decl.serviceProviders = {kNotesUIResponderServiceBoss, kNotesUIStartupShutdownBoss};
    decl.stringTables = {{"enUS", false, NotesUIEnglishStrings()}, {"enUS", true, {}}};
    decl.widgetResources = {PanelResource(), TreeNodeResource()};
    AddImportDialogDeclaration(&decl);
    return decl;
}
} // namespace

NotesUIPlugIn::NotesUIPlugIn() : fDeclaration(MakeDeclaration()), fResourceFile(ModuleFile()) {}

NotesUIPlugIn& NotesUIPlugIn::Instance() {
    static NotesUIPlugIn plugIn;
    return plugIn;
}
