#include "NotesSelectionManager.h"

#include "INotesAnnotsManager.h"
#include "INotesPopupOptions.h"
#include "INotesViewUtils.h"
#include "NotesFailureLog.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"

void NotesSelectionManager::SetSelectedAnnotations(const UIDList& annotations) {
    if (annotations == GetSelectedAnnotations())
        return;
    InterfacePtr<INotesPopupOptions> popupOptions(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
    InterfacePtr<IDocument> document(this, IID_IDOCUMENT);
    InterfacePtr<INotesAnnotsManager> annotsManager(this, IID_INOTESANNOTSMANAGER);
    Utils<INotesViewUtils> viewUtils;
    if (!NOTES_CHECK_NIL(popupOptions) || !NOTES_CHECK_NIL(document) || !NOTES_CHECK_NIL(annotsManager) ||
        !NOTES_CHECK_NIL(viewUtils.get()))
        return;
    viewUtils->ClearDocumentEmphasis(document);
    const int32 mode = popupOptions->GetMode();
    if (annotations.IsEmpty()) {
        if (mode == INotesPopupOptions::kShowSelected)
            annotsManager->HideAllPopups(kTrue);
    } else {
        // Every popup hidden but the selected annotations' ones.
        if (mode == INotesPopupOptions::kShowSelected)
            annotsManager->ShowPopups(annotations, kFalse);
        viewUtils->SetEmphasis(annotations, kTrue);
    }
    if (mode == INotesPopupOptions::kShowAll)
        annotsManager->ShowAllPopups(kTrue);
    fSelection = annotations;
}

void NotesSelectionManager::ClearSelectedAnnotations() {
    InterfacePtr<IDocument> document(this, IID_IDOCUMENT);
    InterfacePtr<INotesPopupOptions> popupOptions(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
    InterfacePtr<INotesAnnotsManager> annotsManager(this, IID_INOTESANNOTSMANAGER);
    Utils<INotesViewUtils> viewUtils;
    if (!NOTES_CHECK_NIL(document) || !NOTES_CHECK_NIL(popupOptions) || !NOTES_CHECK_NIL(annotsManager) ||
        !NOTES_CHECK_NIL(viewUtils.get()))
        return;
    viewUtils->ClearDocumentEmphasis(document);
    if (popupOptions->GetMode() == INotesPopupOptions::kShowSelected)
        annotsManager->HideAllPopups(kTrue);
    fSelection = UIDList(::GetDataBase(this));
}

UIDList NotesSelectionManager::GetSelectedAnnotations() {
    IDataBase* db = ::GetDataBase(this);
    UIDList kept(db);
    for (UID uid : fSelection.GetUIDs())
        if (db && db->IsValidUID(uid))
            kept.Append(uid);
    fSelection = kept;
    return fSelection;
}
