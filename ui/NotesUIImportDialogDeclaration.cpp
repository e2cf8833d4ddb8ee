#include "NotesUIImportDialogDeclaration.h"

#include "NotesUIImportDialogController.h"
#include "NotesUIImportDialogObserver.h"
#include "QuillpaneID.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/UIIDs.h"

namespace {
WidgetDeclaration Label(const char* key) {
    return {kStaticTextWidgetBoss, kInvalidWidgetID, key};
}

WidgetResourceDeclaration ImportDialogLayout() {
    return {
        kNotesUIImportDialogRsrcID,
        WidgetResourceDeclaration::kDialog,
        {kNotesUIImportDialogBoss,
         kNotesUIImportDialogWidgetID,
         NOTES_UI_KEY(kNotesUIImportDialogTitleKey),
         0,
         {Label(NOTES_UI_KEY(kNotesUIPDFFileLabelKey)),
          {kDropDownListWidgetBoss, kNotesUIPDFChooserWidgetID},
          {kStaticTextWidgetBoss, kNotesUIImportProblemWidgetID},
          {kIconWidgetBoss, kNotesUIWarningIconWidgetID, "", kNotesUIWarningIconRsrcID},
          {kCheckBoxWidgetBoss, kNotesUIStickyNotesCheckBoxWidgetID, NOTES_UI_KEY(kNotesUIStickyNotesKey)},
          {kCheckBoxWidgetBoss, kNotesUITextMarkupsCheckBoxWidgetID, NOTES_UI_KEY(kNotesUITextMarkupsKey)},
          {kCheckBoxWidgetBoss, kNotesUITextEditsCheckBoxWidgetID, NOTES_UI_KEY(kNotesUITextEditsKey)},
          {kCheckBoxWidgetBoss, kNotesUIDrawingsCheckBoxWidgetID, NOTES_UI_KEY(kNotesUIDrawingsKey)},
          Label(NOTES_UI_KEY(kNotesUIDocumentStartPageLabelKey)),
          {kIntEditBoxWidgetBoss, kNotesUIDocumentStartPageWidgetID},
          Label(NOTES_UI_KEY(kNotesUIPDFStartPageLabelKey)),
          {kIntEditBoxWidgetBoss, kNotesUIPDFStartPageWidgetID},
          {kButtonWidgetBoss, kOKButtonWidgetID, NOTES_UI_KEY(kNotesUIImportButtonKey)},
          {kButtonWidgetBoss, kCancelButtonWidgetID, NOTES_UI_KEY(kNotesUICancelButtonKey)}}}};
}
} // namespace

void AddImportDialogDeclaration(PlugInDeclaration* declaration) {
    declaration->implementations.push_back(
        IMPLEMENTATION(NotesUIImportDialogController, kNotesUIImportDialogControllerImpl, false));
    declaration->implementations.push_back(
        IMPLEMENTATION(NotesUIImportDialogObserver, kNotesUIImportDialogObserverImpl, false));
    declaration->classes.push_back({kNotesUIImportDialogBoss,
                                    kDialogBoss,
                                    "kNotesUIImportDialogBoss",
                                    {{IID_IDIALOGCONTROLLER, kNotesUIImportDialogControllerImpl},
                                     {IID_IOBSERVER, kNotesUIImportDialogObserverImpl}}});
    declaration->widgetResources.push_back(ImportDialogLayout());
}
