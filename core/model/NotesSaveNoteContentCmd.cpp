#include "NotesSaveNoteContentCmd.h"

#include "INotesAnnotation.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/notify/IChangeBroadcastUtils.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "NotesFailureLog.h"

NotesSaveNoteContentCmd::NotesSaveNoteContentCmd(IPMUnknown* boss) : Command(boss) {
    SetUndoability(kRegularUndo);
}

void NotesSaveNoteContentCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        InterfacePtr<IStringData> stringData(this, IID_ISTRINGDATA);
        if (!NOTES_CHECK_NIL(stringData))
            break;
        InterfacePtr<INotesAnnotation> annotation(GetItemList()->GetRef(0), IID_INOTESANNOTATION);
        if (!NOTES_CHECK_NIL(annotation))
            break;
        annotation->Set(annotation->GetType(), annotation->GetPoints(), annotation->GetColor(),
                        annotation->CanShowPopup(), stringData->GetString(), annotation->GetAuthor(),
                        annotation->GetDate());
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

void NotesSaveNoteContentCmd::DoNotify() {
    if (GetItemList()->Length() != 1)
        return;
    IDataBase* db = GetItemList()->GetDataBase();
    if (!db)
        return;
    Utils<IChangeBroadcastUtils> broadcast;
    if (broadcast)
        broadcast->Broadcast(kNotesSaveNoteContentCmdBoss, IID_INOTESANNOTATION, db, this);
}

PMString* NotesSaveNoteContentCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesSaveNoteContentCmdNameKey));
}
