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
    ClearEmphasis(document);
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
    fChangeCountAfterPainting = ::GetDataBase(this)->GetChangeCount();
}

void NotesSelectionManager::ClearEmphasis(IDocument* document) {
    Utils<INotesViewUtils> viewUtils;
    IDataBase* db = ::GetDataBase(this);
    // Undo, redo and other commands may have put emphasis back anywhere; then the whole document.
    if (fChangeCountAfterPainting == 0 || db->GetChangeCount() != fChangeCountAfterPainting)
        viewUtils->ClearDocumentEmphasis(document);
    else
        viewUtils->ClearEmphasis(GetSelectedAnnotations());
}

void NotesSelectionManager::ClearSelectedAnnotations() {
    InterfacePtr<IDocument> document(this, IID_IDOCUMENT);
    InterfacePtr<INotesPopupOptions> popupOptions(GetApplicationObject(), IID_INOTESPOPUPOPTIONS);
    InterfacePtr<INotesAnnotsManager> annotsManager(this, IID_INOTESANNOTSMANAGER);
    Utils<INotesViewUtils> viewUtils;
    if (!NOTES_CHECK_NIL(document) || !NOTES_CHECK_NIL(popupOptions) || !NOTES_CHECK_NIL(annotsManager) ||
        !NOTES_CHECK_NIL(viewUtils.get()))
        return;
    ClearEmphasis(document);
    if (popupOptions->GetMode() == INotesPopupOptions::kShowSelected)
        annotsManager->HideAllPopups(kTrue);
    fSelection = UIDList(::GetDataBase(this));
    fChangeCountAfterPainting = ::GetDataBase(this)->GetChangeCount();
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
