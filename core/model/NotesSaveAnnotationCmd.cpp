#include "NotesSaveAnnotationCmd.h"

#include "INotesAnnotation.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/InterfacePtr.h"
#include "lifecycle/NotesFailureLog.h"

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
