#include "NotesUIStrings.h"

#include "QuillpaneID.h"

std::vector<StringDeclaration> NotesUIEnglishStrings() {
    return {
        {NOTES_UI_KEY(kNotesUIBrowseKey), "Browse..."},
        {NOTES_UI_KEY(kNotesUIFileOpenFamilyKey), "PDF Documents"},
        {NOTES_UI_KEY(kNotesUINthPageKey), "Page ^1"},
        {NOTES_UI_KEY(kNotesUIPanelTitleKey), "Notes"},
        {NOTES_UI_KEY(kNotesUIErrorCannotOpenFileKey), "The PDF file cannot be opened."},
        {NOTES_UI_KEY(kNotesUIWarningGeometryDoesNotMatchKey),
         "The page sizes of the PDF file do not match the pages of the document; annotations may land off "
         "their places."},
        {NOTES_UI_KEY(kNotesUIWarningImportUponExistingAnnotationsKey),
         "The document already holds annotations; the imported ones are added to them."},
        {NOTES_UI_KEY(kNotesUIWarningNumAnnotationFailedKey), "^1 annotations could not be imported."},
    };
}
