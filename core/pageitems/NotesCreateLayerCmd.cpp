#include "NotesCreateLayerCmd.h"

#include "NotesID.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayerList.h"
#include "host/document/ILayerUtils.h"
#include "host/document/IMasterSpreadList.h"
#include "host/document/ISpreadLayer.h"
#include "host/document/ISpreadList.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "NotesFailureLog.h"

namespace {
// The layer colour the annotation layer takes from the host's list.
constexpr int32 kNotesLayerColorIndex = 4;
} // namespace

void NotesCreateLayerCmd::SetLayerProperties(IDocumentLayer* documentLayer) {
    documentLayer->SetVisible(kTrue);
    documentLayer->SetLocked(kFalse);
    Utils<ILayerUtils> layerUtils;
    if (NOTES_CHECK_NIL(layerUtils))
        documentLayer->SetColor(layerUtils->GetLayerColor(kNotesLayerColorIndex));
    documentLayer->SetGuideVisible(kTrue);
    documentLayer->SetGuideLocked(kFalse);
    documentLayer->SetPrintable(kTrue);
    documentLayer->SetIgnoreWrapWhenHidden(kFalse);
    documentLayer->SetName(PMString(NOTES_KEY(kNotesLayerNameKey), PMString::kTranslateDuringCall));
}

bool NotesCreateLayerCmd::AddSpreadLayers(IDataBase* db, UID spread, UID documentLayer, bool master) {
    InterfacePtr<IHierarchy> spreadHierarchy(UIDRef(db, spread), IID_IHIERARCHY);
    if (!spreadHierarchy) {
        NOTES_LOG_NIL(master ? "masterSpreadHierarchy" : "spreadHierarchy");
        return false;
    }
    for (const bool guide : {false, true}) {
        const UID layerUID = db->NewUID(kSpreadLayerBoss);
        InterfacePtr<ISpreadLayer> spreadLayer(UIDRef(db, layerUID), IID_ISPREADLAYER);
        if (!spreadLayer) {
            NOTES_LOG_NIL(guide ? (master ? "masterGuideLayer" : "guideLayer")
                                : (master ? "masterSpreadLayer" : "spreadLayer"));
            return false;
        }
        InterfacePtr<IHierarchy> layerHierarchy(spreadLayer, IID_IHIERARCHY);
        if (!layerHierarchy) {
            NOTES_LOG_NIL(guide ? (master ? "masterGuideLayerHierarchy" : "guideLayerHierarchy")
                                : (master ? "masterSpreadLayerHierarchy" : "spreadLayerHierarchy"));
            return false;
        }
        spreadLayer->SetDocLayerUID(documentLayer);
        spreadLayer->SetGuideLayer(guide ? kTrue : kFalse);
        spreadHierarchy->AddChild(layerUID, -1);
    }
    return true;
}

ErrorCode NotesCreateLayerCmd::SaveLayerReference(const UIDRef& document, UID layer) {
    InterfacePtr<ICommand> saveLayerReferenceCmd(CmdUtils::CreateCommand(kNotesSaveLayerReferenceCmdBoss));
    if (!NOTES_CHECK_NIL(saveLayerReferenceCmd))
        return kFailure;
    InterfacePtr<IUIDData> cmdUIDData(saveLayerReferenceCmd, IID_IUIDDATA);
    if (!NOTES_CHECK_NIL(cmdUIDData))
        return kFailure;
    cmdUIDData->Set(UIDRef(document.GetDataBase(), layer));
    saveLayerReferenceCmd->SetItemList(UIDList(document));
    const ErrorCode result = CmdUtils::ProcessCommand(saveLayerReferenceCmd);
    if (result != kSuccess)
        NOTES_LOG_FAILED("saveLayerReferenceCmd");
    return result;
}

void NotesCreateLayerCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        IDataBase* database = GetItemList()->GetDataBase();
        if (!NOTES_CHECK_NIL(database))
            break;
        const UIDRef documentRef = GetItemList()->GetRef(0);
        InterfacePtr<IDocument> document(documentRef, IID_IDOCUMENT);
        if (!NOTES_CHECK_NIL(document))
            break;
        const UID layerUID = database->NewUID(kDocumentLayerBoss);
        InterfacePtr<IDocumentLayer> documentLayer(UIDRef(database, layerUID), IID_IDOCUMENTLAYER);
        if (!NOTES_CHECK_NIL(documentLayer))
            break;
        SetLayerProperties(documentLayer);

        InterfacePtr<ISpreadList> spreadList(documentRef, IID_ISPREADLIST);
        if (NOTES_CHECK_NIL(spreadList))
            for (int32 i = 0; i < spreadList->GetSpreadCount(); ++i)
                if (!AddSpreadLayers(database, spreadList->GetNthSpreadUID(i), layerUID, false))
                    break;
        InterfacePtr<IMasterSpreadList> masterSpreadList(documentRef, IID_IMASTERSPREADLIST);
        if (NOTES_CHECK_NIL(masterSpreadList))
            for (int32 i = 0; i < masterSpreadList->GetMasterSpreadCount(); ++i)
                if (!AddSpreadLayers(database, masterSpreadList->GetNthMasterSpreadUID(i), layerUID, true))
                    break;

        InterfacePtr<ILayerList> layerList(documentRef, IID_ILAYERLIST);
        if (!NOTES_CHECK_NIL(layerList))
            break;
        layerList->AddLayer(layerUID, -1);
        if (SaveLayerReference(documentRef, layerUID) != kSuccess)
            break;
        fItemList = UIDList(UIDRef(database, layerUID));
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesCreateLayerCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesCreateLayerCmdNameKey));
}
