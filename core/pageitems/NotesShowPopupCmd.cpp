#include "NotesShowPopupCmd.h"

#include "INotesAnnotation.h"
#include "INotesAnnotationLayout.h"
#include "INotesDrawMarkupAnnotationData.h"
#include "INotesLayerManager.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"

UID NotesShowPopupCmd::CreatePopup(UID parent, const UIDRef& owner, const INotesAnnotation* annotation) {
    InterfacePtr<ICommand> createPopupAnnotCmd(CmdUtils::CreateCommand(kNotesCreatePopupAnnotationCmdBoss));
    if (!NOTES_CHECK_NIL(createPopupAnnotCmd))
        return kInvalidUID;
    InterfacePtr<INotesAnnotation> annotationCmdData(createPopupAnnotCmd, IID_INOTESANNOTATION);
    InterfacePtr<INotesDrawMarkupAnnotationData> drawMarkupAnnotCmdData(createPopupAnnotCmd,
                                                                        IID_INOTESDRAWMARKUPANNOTATIONDATA);
    InterfacePtr<IUIDData> refUIDData(createPopupAnnotCmd, IID_INOTESANNOTATIONREFERENCE);
    if (!NOTES_CHECK_NIL(annotationCmdData) || !NOTES_CHECK_NIL(drawMarkupAnnotCmdData) ||
        !NOTES_CHECK_NIL(refUIDData))
        return kInvalidUID;
    createPopupAnnotCmd->SetItemList(UIDList(UIDRef(owner.GetDataBase(), parent)));
    annotationCmdData->Set(INotesAnnotation::kPopupAnnotation, annotation->GetPoints(),
                           annotation->GetColor(), kFalse, annotation->GetContent(), annotation->GetAuthor(),
                           annotation->GetDate());
    drawMarkupAnnotCmdData->Set(1.0, annotation->GetColor(), kInvalidUID, 1, kInvalidClass, kInvalidClass);
    refUIDData->Set(owner.GetUID());
    if (CmdUtils::ProcessCommand(createPopupAnnotCmd) != kSuccess) {
        NOTES_LOG_FAILED("createPopupAnnotCmd");
        return kInvalidUID;
    }
    const UIDList* created = createPopupAnnotCmd->GetItemList();
    return created->IsEmpty() ? kInvalidUID : created->At(0);
}

bool NotesShowPopupCmd::ShowPopupOf(const UIDRef& annotationRef) {
    InterfacePtr<INotesAnnotation> annotation(annotationRef, IID_INOTESANNOTATION);
    InterfacePtr<IUIDData> annotReference(annotationRef, IID_INOTESANNOTATIONREFERENCE);
    if (!NOTES_CHECK_NIL(annotation) || !NOTES_CHECK_NIL(annotReference))
        return false;
    if (annotationRef.GetDataBase()->IsValidUID(annotReference->GetUID()))
        return true; // already open
    InterfacePtr<INotesAnnotationLayout> annotationLayout(annotationRef, IID_INOTESANNOTATIONLAYOUT);
    if (!NOTES_CHECK_NIL(annotationLayout))
        return false;
    const UID popup = CreatePopup(annotationLayout->GetLayerUID(), annotationRef, annotation);
    if (popup == kInvalidUID)
        return false;
    annotReference->Set(popup);
    return true;
}

void NotesShowPopupCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() > 0))
            break;
        IDataBase* database = GetItemList()->GetDataBase();
        InterfacePtr<INotesLayerManager> layerManager(UIDRef(database, database->GetRootUID()),
                                                      IID_INOTESLAYERMANAGER);
        if (!NOTES_CHECK_NIL(layerManager))
            break;
        if (!layerManager->HasNotesLayer() &&
            !NOTES_CHECK_TRUE(layerManager->GetNotesLayerUID() != kInvalidUID))
            break;
        bool shown = true;
        for (int32 i = 0; i < GetItemList()->Length() && shown; ++i)
            shown = ShowPopupOf(GetItemList()->GetRef(i));
        if (shown)
            status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesShowPopupCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesShowPopupCmdNameKey));
}
