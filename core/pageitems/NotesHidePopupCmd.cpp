#include "NotesHidePopupCmd.h"

#include "INotesAnnotation.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IGeometry.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"
#include "model/NotesSaveAnnotationCmd.h"

bool NotesHidePopupCmd::HidePopupOf(const UIDRef& annotationRef) {
    InterfacePtr<INotesAnnotation> annotation(annotationRef, IID_INOTESANNOTATION);
    InterfacePtr<IUIDData> annotReference(annotationRef, IID_INOTESANNOTATIONREFERENCE);
    if (!NOTES_CHECK_NIL(annotation) || !NOTES_CHECK_NIL(annotReference))
        return false;
    const UIDRef popupRef(annotationRef.GetDataBase(), annotReference->GetUID());
    if (popupRef.GetUID() == kInvalidUID)
        return true;
    if (!annotationRef.GetDataBase()->IsValidUID(popupRef.GetUID())) {
        annotReference->Set(kInvalidUID); // deleted by other means: nothing to close
        return true;
    }
    InterfacePtr<IGeometry> geometry(popupRef, IID_IGEOMETRY);
    InterfacePtr<ITransform> popupAnnotation(popupRef, IID_ITRANSFORM);
    if (!NOTES_CHECK_NIL(geometry) || !NOTES_CHECK_NIL(popupAnnotation))
        return false;
    PMRect bounds = geometry->GetPathBoundingBox();
    popupAnnotation->TransformInnerRectToPasteboard(&bounds);
    if (!NotesSaveAnnotationCmd::SaveRecord(annotationRef, annotation,
                                            {bounds.LeftTop(), bounds.RightBottom()}))
        return false;
    InterfacePtr<ICommand> deleteCmd(CmdUtils::CreateCommand(kDeleteCmdBoss));
    if (!NOTES_CHECK_NIL(deleteCmd))
        return false;
    deleteCmd->SetItemList(UIDList(popupRef));
    if (CmdUtils::ProcessCommand(deleteCmd) != kSuccess) {
        NOTES_LOG_FAILED("deleteCmd");
        return false;
    }
    annotReference->Set(kInvalidUID);
    return true;
}

void NotesHidePopupCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() > 0))
            break;
        bool hidden = true;
        for (int32 i = 0; i < GetItemList()->Length() && hidden; ++i)
            hidden = HidePopupOf(GetItemList()->GetRef(i));
        if (hidden)
            status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesHidePopupCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesHidePopupCmdNameKey));
}
