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
    AttachWidgetObserver(true);
    if (!FollowFrontDocument())
        NotesUINotesPanel::RebuildIfShown(); // the document may have changed while the panel was hidden
}

void NotesUIPanelSelectionObserver::AutoDetach() {
    // The document observer stays: it shows a new sticky note in the panel even when it is hidden.
    ActiveSelectionObserver::AutoDetach();
    AttachWidgetObserver(false);
}

void NotesUIPanelSelectionObserver::AttachWidgetObserver(bool attach) {
    // The panel's buttons are heard only while it is shown, as its selection is.
    InterfacePtr<IObserver> widgetObserver(this, IID_INOTESUIPANELWIDGETOBSERVER);
    if (!NOTES_CHECK_NIL(widgetObserver))
        return;
    if (attach)
        widgetObserver->AutoAttach();
    else
        widgetObserver->AutoDetach();
}

void NotesUIPanelSelectionObserver::Update(ClassID theChange, ISubject* theSubject, PMIID protocol,
                                           void* changedBy) {
    FollowFrontDocument();
    ActiveSelectionObserver::Update(theChange, theSubject, protocol, changedBy);
}

bool NotesUIPanelSelectionObserver::FollowFrontDocument() {
    IDataBase* front = NotesUITreeNodes::FrontDataBase();
    AttachDocumentObserver(front);
    if (front == fDocumentDB)
        return false;
    fDocumentDB = front;                   // only compared, never read: the document it was may be closed
    ActiveSelectionObserver::AutoAttach(); // the new document's view
    // Nothing of the old document's tree (open pages, selection) carries over to the new one.
    if (InterfacePtr<ITreeViewMgr> treeViewMgr = NotesUINotesPanel::TreeViewMgr())
        treeViewMgr->ClearTree();
    NotesUINotesPanel::RebuildIfShown();
    return true;
}

void NotesUIPanelSelectionObserver::AttachDocumentObserver(IDataBase* db) {
    if (!db)
        return;
    InterfacePtr<IObserver> documentObserver(UIDRef(db, db->GetRootUID()), IID_INOTESUIDOCUMENTOBSERVER);
    if (NOTES_CHECK_NIL(documentObserver))
        documentObserver->AutoAttach(); // attaches once however often it is asked
}

void NotesUIPanelSelectionObserver::HandleSelectionChanged(ISelectionManager* selection) {
    IDataBase* db = NotesUITreeNodes::FrontDataBase();
    if (!selection || !db)
        return;
    UIDList annotations(db);
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
