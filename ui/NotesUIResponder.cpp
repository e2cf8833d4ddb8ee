#include "NotesUIResponder.h"

#include "INotesSelectionManager.h"
#include "NotesFailureLog.h"
#include "NotesUINotesPanel.h"
#include "NotesUITreeNodes.h"
#include "QuillpaneID.h"
#include "host/database/IDataBase.h"
#include "host/notify/IObserver.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/InterfacePtr.h"

void NotesUIResponder::Respond(ISignalMgr* signalMgr) {
    const UIDRef document = signalMgr->GetDocument();
    switch (signalMgr->GetServiceID()) {
    case kAfterNewDocSignalResponderService:
        AttachDocumentObserver(document, true);
        break;
    case kAfterOpenDocSignalResponderService:
        AttachDocumentObserver(document, true);
        NotesUINotesPanel::RebuildIfShown();
        break;
    case kBeforeCloseDocSignalResponderService:
        AttachDocumentObserver(document, false);
        // The closing document's nodes go now, while their objects can still be read.
        if (NotesUINotesPanel::IsShown() && document.GetDataBase() == NotesUITreeNodes::FrontDataBase())
            if (InterfacePtr<ITreeViewMgr> treeViewMgr = NotesUINotesPanel::TreeViewMgr())
                treeViewMgr->ClearTree();
        break;
    case kBeforeSaveDocSignalResponderService:
    case kBeforeSaveAsDocSignalResponderService:
    case kBeforeSaveACopyDocSignalResponderService:
        ClearAnnotationSelection(document);
        break;
    default:
        break;
    }
}

void NotesUIResponder::AttachDocumentObserver(const UIDRef& document, bool attach) {
    InterfacePtr<IObserver> documentObserver(document, IID_INOTESUIDOCUMENTOBSERVER);
    if (!NOTES_CHECK_NIL(documentObserver))
        return;
    if (attach)
        documentObserver->AutoAttach();
    else
        documentObserver->AutoDetach();
}

void NotesUIResponder::ClearAnnotationSelection(const UIDRef& document) {
    // The tree's observer clears the document's selection when the tree's goes.
    if (NotesUINotesPanel::IsShown() && document.GetDataBase() == NotesUITreeNodes::FrontDataBase())
        if (InterfacePtr<ITreeViewController> treeViewController = NotesUINotesPanel::TreeViewController())
            treeViewController->DeselectAll();
    InterfacePtr<INotesSelectionManager> selectionManager(document, IID_INOTESSELECTIONMANAGER);
    if (NOTES_CHECK_NIL(selectionManager))
        selectionManager->ClearSelectedAnnotations();
}
