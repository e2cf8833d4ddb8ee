#include "NotesSaveAnnotationCmd.h"

#include "INotesAnnotation.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"

void NotesSaveAnnotationCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        InterfacePtr<INotesAnnotation> cmdData(this, IID_INOTESANNOTATION);
        if (!NOTES_CHECK_NIL(cmdData))
            break;
        InterfacePtr<INotesAnnotation> annotationData(GetItemList()->GetRef(0), IID_INOTESANNOTATION);
        if (!NOTES_CHECK_NIL(annotationData))
            break;
        annotationData->Set(cmdData->GetType(), cmdData->GetPoints(), cmdData->GetColor(),
                            cmdData->CanShowPopup(), cmdData->GetContent(), cmdData->GetAuthor(),
                            cmdData->GetDate());
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesSaveAnnotationCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesSaveAnnotationCmdNameKey));
}

bool NotesSaveAnnotationCmd::SaveRecord(const UIDRef& target, const INotesAnnotation* record) {
    return record ? SaveRecord(target, record, record->GetPoints()) : NOTES_CHECK_NIL(record);
}

bool NotesSaveAnnotationCmd::SaveRecord(const UIDRef& target, const INotesAnnotation* record,
                                        const PMPointList& points) {
    InterfacePtr<ICommand> saveAnnotationCmd(CmdUtils::CreateCommand(kNotesSaveAnnotationCmdBoss));
    InterfacePtr<INotesAnnotation> annotationData(saveAnnotationCmd, IID_INOTESANNOTATION);
    if (!NOTES_CHECK_NIL(annotationData) || !NOTES_CHECK_NIL(record))
        return false;
    annotationData->Set(record->GetType(), points, record->GetColor(), record->CanShowPopup(),
                        record->GetContent(), record->GetAuthor(), record->GetDate());
    saveAnnotationCmd->SetItemList(UIDList(target));
    if (CmdUtils::ProcessCommand(saveAnnotationCmd) != kSuccess) {
        NOTES_LOG_FAILED("saveAnnotationCmd");
        return false;
    }
    return true;
}
