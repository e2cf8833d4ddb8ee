#include "NotesLayerManager.h"

#include <cstdint>

#include "INotesAnnotationList.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"

UID NotesLayerManager::ReferencedLayer() {
    InterfacePtr<IUIDData> layerUIDData(this, IID_INOTESDOCLAYERREFERENCE);
    if (!NOTES_CHECK_NIL(layerUIDData))
        return kInvalidUID;
    return layerUIDData->GetUID();
}

UID NotesLayerManager::GetNotesLayerUID() {
    InterfacePtr<IUIDData> layerUIDData(this, IID_INOTESDOCLAYERREFERENCE);
    if (!NOTES_CHECK_NIL(layerUIDData))
        return kInvalidUID;
    if (layerUIDData->GetUID() != kInvalidUID)
        return layerUIDData->GetUID();
    InterfacePtr<ICommand> createLayerCommand(CmdUtils::CreateCommand(kNotesCreateLayerCmdBoss));
    if (!NOTES_CHECK_NIL(createLayerCommand))
        return kInvalidUID;
    createLayerCommand->SetItemList(UIDList(UIDRef(::GetDataBase(this), ::GetUID(this))));
    if (CmdUtils::ProcessCommand(createLayerCommand) != kSuccess) {
        NOTES_LOG_FAILED("createLayerCommand");
        return kInvalidUID;
    }
    if (!NOTES_CHECK_TRUE(createLayerCommand->GetItemList()->Length() == 1))
        return kInvalidUID;
    return createLayerCommand->GetItemList()->At(0);
}

bool16 NotesLayerManager::HasNotesLayer() {
    return ReferencedLayer() != kInvalidUID ? kTrue : kFalse;
}

ErrorCode NotesLayerManager::DeleteNotesLayer() {
    const UID layer = ReferencedLayer();
    if (layer == kInvalidUID)
        return kSuccess;
    IDataBase* db = ::GetDataBase(this);
    InterfacePtr<ICommand> deleteLayerCmd(CmdUtils::CreateCommand(kDeleteLayerCmdBoss));
    if (!NOTES_CHECK_NIL(deleteLayerCmd))
        return kFailure;
    deleteLayerCmd->SetItemList(UIDList(UIDRef(db, layer)));
    if (CmdUtils::ProcessCommand(deleteLayerCmd) != kSuccess) {
        NOTES_LOG_FAILED("deleteLayerCmd");
        return kFailure;
    }
    InterfacePtr<ICommand> saveLayerReferenceCmd(CmdUtils::CreateCommand(kNotesSaveLayerReferenceCmdBoss));
    InterfacePtr<IUIDData> cmdUIDData(saveLayerReferenceCmd, IID_IUIDDATA);
    if (!NOTES_CHECK_NIL(cmdUIDData))
        return kFailure;
    cmdUIDData->Set(UIDRef(db, kInvalidUID));
    saveLayerReferenceCmd->SetItemList(UIDList(UIDRef(db, ::GetUID(this))));
    if (CmdUtils::ProcessCommand(saveLayerReferenceCmd) != kSuccess) {
        NOTES_LOG_FAILED("saveLayerReferenceCmd");
        return kFailure;
    }
    return kSuccess;
}

bool16 NotesLayerManager::IsFreeOfAnnotations() {
    return CountAnnotationsUpTo(1) == 0 ? kTrue : kFalse;
}

int32 NotesLayerManager::CountAnnotations() {
    return CountAnnotationsUpTo(INT32_MAX);
}

// The walk stops once the count reaches the limit, so that "any at all?" stops at the first page
// that lists one. Pages are taken spread by spread: looking each up by its index in the page list
// would walk every spread again.
int32 NotesLayerManager::CountAnnotationsUpTo(int32 limit) {
    IDataBase* db = ::GetDataBase(this);
    InterfacePtr<ISpreadList> spreadList(this, IID_ISPREADLIST);
    if (!db || !spreadList)
        return 0;
    int32 count = 0;
    for (int32 s = 0; s < spreadList->GetSpreadCount() && count < limit; ++s) {
        InterfacePtr<ISpread> spread(UIDRef(db, spreadList->GetNthSpreadUID(s)), IID_ISPREAD);
        const UIDList pages = spread ? spread->GetPageUIDs() : UIDList(db);
        for (const UID page : pages.GetUIDs()) {
            InterfacePtr<INotesAnnotationList> annotationList(UIDRef(db, page), IID_INOTESANNOTATIONLIST);
            if (annotationList)
                count += annotationList->GetAnnotationCount();
        }
    }
    return count;
}
