// IDs of the Quillpane plug-in: identity, classes, interfaces, implementations, widgets, resources.
// The class, interface, implementation and widget ID spaces are separate: one number may appear in each.
#pragma once

#include "host/objectmodel/ObjectIDs.h"

constexpr PluginID kNotesUIPluginID = 0x169300;
constexpr const char* kNotesUIPluginName = "Quillpane";
constexpr int32 kNotesUIMajorVersion = 1;
constexpr int32 kNotesUIMinorVersion = 1;
constexpr int32 kNotesUIBugfixVersion = 5;

#define NOTES_UI_KEY(name) "#MV#1693" #name

// The import dialog: its class, implementations, dialog resource and widgets.
constexpr ClassID kNotesUIImportDialogBoss = 0x169370;
constexpr ImplementationID kNotesUIImportDialogControllerImpl = 0x169370;
constexpr ImplementationID kNotesUIImportDialogObserverImpl = 0x169371;
constexpr int32 kNotesUIImportDialogRsrcID = 0x169370;

constexpr WidgetID kNotesUIImportDialogWidgetID = 0x169310;
constexpr WidgetID kNotesUIStickyNotesCheckBoxWidgetID = 0x169313;
constexpr WidgetID kNotesUITextMarkupsCheckBoxWidgetID = 0x169314;
constexpr WidgetID kNotesUITextEditsCheckBoxWidgetID = 0x169315;
constexpr WidgetID kNotesUIDrawingsCheckBoxWidgetID = 0x169316;
constexpr WidgetID kNotesUIPDFChooserWidgetID = 0x169317;
constexpr WidgetID kNotesUIImportProblemWidgetID = 0x169319; // why the chosen PDF cannot be imported
constexpr WidgetID kNotesUIWarningIconWidgetID = 0x16931B;
constexpr WidgetID kNotesUIPDFStartPageWidgetID = 0x16931E;
constexpr WidgetID kNotesUIDocumentStartPageWidgetID = 0x16931F;
constexpr int32 kNotesUIWarningIconRsrcID = 0x169371; // the warning icon's picture

// The Notes panel and its tree.
// Classes
constexpr ClassID kNotesUIPanelBoss = 0x169300;
constexpr ClassID kNotesUINotesTreeViewBoss = 0x169301;

// Interfaces
constexpr PMIID IID_INOTESUIDOCUMENTOBSERVER = 0x169304;
constexpr PMIID IID_INOTESUIANNOTATIONITERATOR = 0x169307;

// Implementations
constexpr ImplementationID kNotesUINotesTreeViewAdapterImpl = 0x169300;
constexpr ImplementationID kNotesUINotesTreeViewWidgetMgrImpl = 0x169301;
constexpr ImplementationID kNotesUINotesTreeViewObserverImpl = 0x169302;
constexpr ImplementationID kNotesUIPanelSelectionObserverImpl = 0x169303;
constexpr ImplementationID kNotesUIDocumentObserverImpl = 0x169304;
constexpr ImplementationID kNotesUIAnnotationIteratorImpl = 0x169305;
constexpr ImplementationID kNotesUINotesPanelControlViewImpl = 0x169306;
constexpr ImplementationID kNotesUINotesTreeViewEventHandlerImpl = 0x169307;

// Widgets of the Notes panel and of its tree nodes
constexpr WidgetID kNotesUIPanelWidgetID = 0x169300;
constexpr WidgetID kNotesUITreeViewWidgetID = 0x169304;
constexpr WidgetID kNotesUINodeGeneralPanelWidgetID = 0x169306;
constexpr WidgetID kNotesUINodeLabelWidgetID = 0x169307;
constexpr WidgetID kNotesUINodeIconWidgetID = 0x16931C;
constexpr WidgetID kNotesUICreateNoteWidgetID = 0x16930A;
constexpr WidgetID kNotesUIAuthorWidgetID = 0x16930B;
constexpr WidgetID kNotesUIDateWidgetID = 0x16930C;
constexpr WidgetID kNotesUINoteEditBoxWidgetID = 0x16930D;
constexpr WidgetID kNotesUIAcceptIconWidgetID = 0x16930F;
constexpr WidgetID kNotesUIRejectIconWidgetID = 0x169310;
constexpr WidgetID kNotesUIRemoveIconWidgetID = 0x169321;

// Widget layouts
constexpr int32 kNotesUIPanelRsrcID = 1;
constexpr int32 kNotesUITreeNodeRsrcID = 2;

// Icons of the tree's annotation nodes, by kind
constexpr int32 kNotesUITextMarkupIconRsrcID = 3010;
constexpr int32 kNotesUIDrawingIconRsrcID = 3011;
constexpr int32 kNotesUIStickyNoteIconRsrcID = 3012;
constexpr int32 kNotesUITextEditIconRsrcID = 3013;

// The panel's actions, their menus and the reactions to gestures and to the document's life.
// Classes
constexpr ClassID kNotesUIActionComponentBoss = 0x169302;
constexpr ClassID kNotesUINoteEditBoxBoss = 0x169303;
constexpr ClassID kNotesUIResponderServiceBoss = 0x169304;
constexpr ClassID kNotesUIStartupShutdownBoss = 0x169305;
constexpr ClassID kNotesUIEventWatcherBoss = 0x169306;

// Interfaces
constexpr PMIID IID_INOTESUICOMMANDPROCESSOROBSERVER = 0x169308; // on the application
constexpr PMIID IID_INOTESUIJUMPTONEXTOPTION = 0x169309;         // IBoolData on the application
constexpr PMIID IID_INOTESUIPANELWIDGETOBSERVER = 0x16930A;      // on the panel
constexpr PMIID IID_INOTESUITEXTCONTROLDATA = 0x169314;          // on the note edit box

// Implementations
constexpr ImplementationID kNotesUIActionComponentImpl = 0x169308;
constexpr ImplementationID kNotesUINotesPanelWidgetObserverImpl = 0x169309;
constexpr ImplementationID kNotesUIEventWatcherImpl = 0x16930A;
constexpr ImplementationID kNotesUINoteEditBoxEventHandlerImpl = 0x16930B;
constexpr ImplementationID kNotesUITextControlDataImpl = 0x16930C;
constexpr ImplementationID kNotesUIResponderImpl = 0x16930D;
constexpr ImplementationID kNotesUIResponderServiceProviderImpl = 0x16930E;
constexpr ImplementationID kNotesUICommandProcessorObserverImpl = 0x16930F;
constexpr ImplementationID kNotesUIStartupShutdownProviderImpl = 0x169310;
constexpr ImplementationID kNotesUIStartupShutdownServiceProviderImpl = 0x169311;

// Actions of the panel's menu and of the tree's context menu
constexpr ActionID kNotesUINewStickyNoteActionID = 0x169315;
constexpr ActionID kNotesUINewHighlightActionID = 0x169318;
constexpr ActionID kNotesUIRemoveTextMarkupsActionID = 0x169319;
constexpr ActionID kNotesUIImportActionID = 0x16931A;
constexpr ActionID kNotesUINewStrikeThroughActionID = 0x16931B;
constexpr ActionID kNotesUINewUnderlineActionID = 0x16931C;
constexpr ActionID kNotesUINewReplacementActionID = 0x16931D;
constexpr ActionID kNotesUINewInsertionActionID = 0x16931E;
constexpr ActionID kNotesUIAcceptSelectedTextActionID = 0x16931F;
constexpr ActionID kNotesUIClearAllActionID = 0x169320;
constexpr ActionID kNotesUIShowAllPopupsActionID = 0x169321;
constexpr ActionID kNotesUIHideAllPopupsActionID = 0x169322;
constexpr ActionID kNotesUIShowSelectedPopupsActionID = 0x169323;
constexpr ActionID kNotesUIRejectActionID = 0x169324;
constexpr ActionID kNotesUIAcceptActionID = 0x169325;
constexpr ActionID kNotesUISelectInDocumentActionID = 0x169326;
constexpr ActionID kNotesUIPreviousActionID = 0x169327;
constexpr ActionID kNotesUINextActionID = 0x169328;
constexpr ActionID kNotesUIJumpToNextActionID = 0x169329;
constexpr ActionID kNotesUIConvertToHighlightActionID = 0x16932A;
constexpr ActionID kNotesUIConvertNotImportedActionID = 0x16932B;

// The menu paths the actions are placed under: the panel's own menu and the tree's context menu.
#define NOTES_UI_PANEL_MENU NOTES_UI_KEY(kNotesUIPanelMenuKey)
#define NOTES_UI_TREE_CONTEXT_MENU NOTES_UI_KEY(kNotesUITreeContextMenuKey)
