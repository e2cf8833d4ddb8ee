// IDs of the Quillpane plug-in.
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
