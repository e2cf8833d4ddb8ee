#include "NotesClearAllCmd.h"

#include "INotesAnnotsManager.h"
#include "INotesLayerManager.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"

void NotesClearAllCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        const UIDRef documentRef = GetItemList()->GetRef(0);
        InterfacePtr<IDocument> document(documentRef, IID_IDOCUMENT);
        if (!NOTES_CHECK_NIL(document))
            break;
        InterfacePtr<INotesAnnotsManager> annotsManager(documentRef, IID_INOTESANNOTSMANAGER);
        if (!NOTES_CHECK_NIL(annotsManager))
            break;
        annotsManager->InvalidateAnnotationLists();
        // A failure to remove the markups is remembered for the end; the layer still goes.
        const ErrorCode markupsResult = annotsManager->RemoveAllTextMarkups();
        if (markupsResult != kSuccess)
            ErrorUtils::PMSetGlobalErrorCode(kSuccess);
        InterfacePtr<INotesLayerManager> layerManager(documentRef, IID_INOTESLAYERMANAGER);
        if (!NOTES_CHECK_NIL(layerManager))
            break;
        if (layerManager->DeleteNotesLayer() != kSuccess)
            ErrorUtils::PMSetGlobalErrorCode(kSuccess);
        status = markupsResult;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesClearAllCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesClearAllCmdNameKey));
}
