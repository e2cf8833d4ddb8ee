#include "NotesSaveLayerReferenceCmd.h"

#include "NotesID.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"

void NotesSaveLayerReferenceCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        InterfacePtr<IUIDData> notesLayerCmdData(this, IID_IUIDDATA);
        if (!NOTES_CHECK_NIL(notesLayerCmdData))
            break;
        InterfacePtr<IUIDData> notesLayerUIDData(GetItemList()->GetRef(0), IID_INOTESDOCLAYERREFERENCE);
        if (!NOTES_CHECK_NIL(notesLayerUIDData))
            break;
        notesLayerUIDData->Set(notesLayerCmdData->GetUID());
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesSaveLayerReferenceCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesSaveLayerReferenceCmdNameKey));
}
