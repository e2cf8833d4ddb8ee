#include "NotesDocumentResponder.h"

#include "INotesLayerManager.h"
#include "NotesFailureLog.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocumentLayer.h"
#include "host/notify/IObserver.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"

void NotesDocumentResponder::ForEachObserver(const UIDRef& document, void (IObserver::*call)()) {
    // The document observer, and an optional second one; a missing one is skipped.
    for (PMIID iid : {IID_INOTESDOCUMENTOBSERVER, IID_INOTESSECONDOBSERVER}) {
        InterfacePtr<IObserver> observer(document, iid);
        if (observer)
            (observer.get()->*call)();
    }
}

void NotesDocumentResponder::RepairLayerReference(const UIDRef& document) {
    InterfacePtr<IUIDData> notesLayerReference(document, IID_INOTESDOCLAYERREFERENCE);
    if (!NOTES_CHECK_NIL(notesLayerReference))
        return;
    const UID layer = notesLayerReference->GetUID();
    if (layer == kInvalidUID)
        return;
    InterfacePtr<IDocumentLayer> documentLayer(UIDRef(document.GetDataBase(), layer), IID_IDOCUMENTLAYER);
    if (documentLayer)
        return;
    InterfacePtr<ICommand> saveLayerReferenceCmd(CmdUtils::CreateCommand(kNotesSaveLayerReferenceCmdBoss));
    if (!NOTES_CHECK_NIL(saveLayerReferenceCmd))
        return;
    InterfacePtr<IUIDData> cmdUIDData(saveLayerReferenceCmd, IID_IUIDDATA);
    if (!NOTES_CHECK_NIL(cmdUIDData))
        return;
    cmdUIDData->Set(UIDRef(document.GetDataBase(), kInvalidUID));
    saveLayerReferenceCmd->SetItemList(UIDList(document));
    if (CmdUtils::ProcessCommand(saveLayerReferenceCmd) != kSuccess)
        NOTES_LOG_FAILED("saveLayerReferenceCmd");
}

void NotesDocumentResponder::DropDependencyWhenFree(const UIDRef& document) {
    InterfacePtr<INotesLayerManager> layerManager(document, IID_INOTESLAYERMANAGER);
    if (!NOTES_CHECK_NIL(layerManager) || !layerManager->IsFreeOfAnnotations())
        return;
    IDataBase* db = document.GetDataBase();
    db->BeginTransaction();
    db->RemovePlugInDependency(kNotesPluginID);
    db->EndTransaction();
}

void NotesDocumentResponder::PrepareSave(const UIDRef& document) {
    RepairLayerReference(document);
    DropDependencyWhenFree(document);
}

void NotesDocumentResponder::Respond(ISignalMgr* signalMgr) {
    if (!NOTES_CHECK_NIL(signalMgr))
        return;
    const UIDRef document = signalMgr->GetDocument();
    if (!NOTES_CHECK_NIL(document.GetDataBase()))
        return;
    switch (signalMgr->GetServiceID()) {
    case kAfterNewDocSignalResponderService:
    case kAfterOpenDocSignalResponderService:
        ForEachObserver(document, &IObserver::AutoAttach);
        break;
    case kBeforeCloseDocSignalResponderService:
        ForEachObserver(document, &IObserver::AutoDetach);
        break;
    case kBeforeSaveDocSignalResponderService:
    case kBeforeSaveAsDocSignalResponderService:
    case kBeforeSaveACopyDocSignalResponderService:
        PrepareSave(document);
        break;
    default:
        break;
    }
}
