#include "NotesUIStrings.h"

#include "QuillpaneID.h"

std::vector<StringDeclaration> NotesUIEnglishStrings() {
    return {
        {NOTES_UI_KEY(kNotesUIBrowseKey), "Browse..."},
        {NOTES_UI_KEY(kNotesUIFileOpenFamilyKey), "PDF Documents"},
        {NOTES_UI_KEY(kNotesUINthPageKey), "Page ^1"},
        {NOTES_UI_KEY(kNotesUIPanelTitleKey), "Notes"},
        {NOTES_UI_KEY(kNotesUIErrorCannotOpenFileKey), "The PDF file cannot be opened: ^1"},
        {NOTES_UI_KEY(kNotesUIWarningGeometryDoesNotMatchKey),
         "The page sizes of the PDF file do not match the pages of the document; annotations may land off "
         "their places."},
        {NOTES_UI_KEY(kNotesUIWarningImportUponExistingAnnotationsKey),
         "The document already holds annotations; the imported ones are added to them. Import?"},
        {NOTES_UI_KEY(kNotesUIWarningNumAnnotationFailedKey), "^1 annotations could not be imported."},
        {NOTES_UI_KEY(kNotesUIImportDialogTitleKey), "Import Annotations"},
        {NOTES_UI_KEY(kNotesUIPDFFileLabelKey), "PDF file:"},
        {NOTES_UI_KEY(kNotesUIStickyNotesKey), "Sticky notes"},
        {NOTES_UI_KEY(kNotesUITextMarkupsKey), "Highlights, underlines and squiggles"},
        {NOTES_UI_KEY(kNotesUITextEditsKey), "Strike-throughs, replacements and insertions"},
        {NOTES_UI_KEY(kNotesUIDrawingsKey), "Lines, shapes and free text"},
        {NOTES_UI_KEY(kNotesUIDocumentStartPageLabelKey), "PDF page 1 goes on document page:"},
        {NOTES_UI_KEY(kNotesUIPDFStartPageLabelKey), "Document page 1 takes PDF page:"},
        {NOTES_UI_KEY(kNotesUIImportButtonKey), "Import"},
        {NOTES_UI_KEY(kNotesUICancelButtonKey), "Cancel"},
        {NOTES_UI_KEY(kNotesUIErrorNoRoomKey),
         "The document ^1 has no room for new objects (its UID counter is at its limit), so nothing was "
         "imported."},
        {NOTES_UI_KEY(kNotesUIErrorImportFailedKey),
         "The comments of ^1 could not be imported; the document is unchanged."},
    };
}
