#include "NotesUIPanelSelectionObserver.h"

#include "INotesSelectionSuite.h"
#include "INotesTextSelectionSuite.h"
#include "NotesFailureLog.h"
#include "NotesUINotesPanel.h"
#include "NotesUITreeNodes.h"
#include "QuillpaneID.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/selection/ISelectionManager.h"

void NotesUIPanelSelectionObserver::AutoAttach() {
    ActiveSelectionObserver::AutoAttach();
    FollowFrontDocument();
}

void NotesUIPanelSelectionObserver::AutoDetach() {
    ActiveSelectionObserver::AutoDetach();
    AttachDocumentObserver(fDocumentDB, false);
    fDocumentDB = nullptr;
}

void NotesUIPanelSelectionObserver::Update(ClassID theChange, ISubject* theSubject, PMIID protocol,
                                           void* changedBy) {
    FollowFrontDocument();
    ActiveSelectionObserver::Update(theChange, theSubject, protocol, changedBy);
}

void NotesUIPanelSelectionObserver::FollowFrontDocument() {
    IDataBase* front = NotesUITreeNodes::FrontDataBase();
    if (front == fDocumentDB)
        return;
    AttachDocumentObserver(fDocumentDB, false);
    AttachDocumentObserver(front, true);
    fDocumentDB = front;
    ActiveSelectionObserver::AutoAttach(); // the new document's view
    // Nothing of the old document's tree (open pages, selection) carries over to the new one.
    if (InterfacePtr<ITreeViewMgr> treeViewMgr = NotesUINotesPanel::TreeViewMgr())
        treeViewMgr->ClearTree();
    NotesUINotesPanel::RebuildIfShown();
}

void NotesUIPanelSelectionObserver::AttachDocumentObserver(IDataBase* db, bool attach) {
    if (!db || !db->IsValidUID(db->GetRootUID()))
        return;
    InterfacePtr<IObserver> documentObserver(UIDRef(db, db->GetRootUID()), IID_INOTESUIDOCUMENTOBSERVER);
    if (!NOTES_CHECK_NIL(documentObserver))
        return;
    if (attach)
        documentObserver->AutoAttach();
    else
        documentObserver->AutoDetach();
}

void NotesUIPanelSelectionObserver::HandleSelectionChanged(ISelectionManager* selection) {
    if (!selection || !fDocumentDB)
        return;
    UIDList annotations(fDocumentDB);
    if (selection->GetSelectionKind() == ISelectionManager::kLayoutSelection) {
        InterfacePtr<INotesSelectionSuite> notesSelectionSuite(
            static_cast<INotesSelectionSuite*>(QuerySelectionSuite(IID_INOTESSELECTIONSUITE)));
        if (!NOTES_CHECK_NIL(notesSelectionSuite))
            return;
        notesSelectionSuite->GetAnnotations(annotations);
    } else if (selection->GetSelectionKind() == ISelectionManager::kTextSelection) {
        InterfacePtr<INotesTextSelectionSuite> notesTextSelectionSuite(
            static_cast<INotesTextSelectionSuite*>(QuerySelectionSuite(IID_INOTESTEXTSELECTIONSUITE)));
        if (!NOTES_CHECK_NIL(notesTextSelectionSuite))
            return;
        notesTextSelectionSuite->GetAnnotations(annotations);
    }
    // One selection-changed message for the whole list, after its last node.
    for (int32 i = 0; i < annotations.Length(); ++i)
        NotesUINotesPanel::SelectAnnotationNode(annotations.GetRef(i), i > 0, i + 1 == annotations.Length());
}
