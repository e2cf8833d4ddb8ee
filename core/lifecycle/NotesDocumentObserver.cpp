#include "NotesDocumentObserver.h"

#include "INotesAnnotation.h"
#include "INotesAnnotsManager.h"
#include "INotesSelectionManager.h"
#include "INotesSelectionSuite.h"
#include "INotesTextSelectionSuite.h"
#include "NotesCommands.h"
#include "NotesFailureLog.h"
#include "NotesID.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IDocument.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IGeometry.h"
#include "host/document/ILayerList.h"
#include "host/document/ILayerUtils.h"
#include "host/document/ITransformCmdData.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/IBoolData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
// A sticky-note icon is always 20 by 20 points around its own origin.
const PMRect kIconBounds(-10, -10, 10, 10);

// The document-subject protocols the observer listens to.
constexpr PMIID kDocumentProtocols[] = {IID_ITRANSFORM_DOCUMENT, IID_ILAYERLIST_DOCUMENT};
} // namespace

NotesDocumentObserver::NotesDocumentObserver(IPMUnknown* boss)
    : ActiveSelectionObserver(boss, IID_INOTESDOCUMENTOBSERVER), fPopupBroughtToFront(kFalse),
      fLastUserLayerUID(kInvalidUID) {}

UIDRef NotesDocumentObserver::Document() const {
    return UIDRef(::GetDataBase(this), ::GetUID(this));
}

IPMUnknown* NotesDocumentObserver::GetSelectionView() const {
    // The selection of this document's own view, whether or not it is the front one.
    InterfacePtr<IDocument> document(Document(), IID_IDOCUMENT);
    return document ? DocumentManager::Instance().GetLayoutView(document) : nullptr;
}

void NotesDocumentObserver::AutoAttach() {
    ActiveSelectionObserver::AutoAttach();
    InterfacePtr<ISubject> subject(Document(), IID_ISUBJECT);
    if (!NOTES_CHECK_NIL(subject))
        return;
    for (PMIID protocol : kDocumentProtocols)
        if (!subject->IsAttached(this, protocol, IID_INOTESDOCUMENTOBSERVER))
            subject->AttachObserver(this, protocol, IID_INOTESDOCUMENTOBSERVER);
}

void NotesDocumentObserver::AutoDetach() {
    ActiveSelectionObserver::AutoDetach();
    InterfacePtr<ISubject> subject(Document(), IID_ISUBJECT);
    if (!NOTES_CHECK_NIL(subject))
        return;
    for (PMIID protocol : kDocumentProtocols)
        if (subject->IsAttached(this, protocol, IID_INOTESDOCUMENTOBSERVER))
            subject->DetachObserver(this, protocol, IID_INOTESDOCUMENTOBSERVER);
}

void NotesDocumentObserver::Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) {
    ActiveSelectionObserver::Update(theChange, theSubject, protocol, changedBy);
    if (protocol == IID_ITRANSFORM_DOCUMENT && theChange == kTransformChangeClass)
        KeepStickyNotesUpright(static_cast<ICommand*>(changedBy));
    else if (protocol == IID_ILAYERLIST_DOCUMENT && theChange == kActiveLayerChangeClass)
        KeepAnnotationLayerInactive();
}

void NotesDocumentObserver::HandleSelectionChanged(ISelectionManager*) {
    KeepAnnotationLayerInactive();
    InterfacePtr<INotesTextSelectionSuite> textSuite(
        static_cast<INotesTextSelectionSuite*>(QuerySelectionSuite(IID_INOTESTEXTSELECTIONSUITE)));
    InterfacePtr<INotesSelectionSuite> layoutSuite(
        static_cast<INotesSelectionSuite*>(QuerySelectionSuite(IID_INOTESSELECTIONSUITE)));
    if (FollowEditedPopup(textSuite.get()) || LeavesEditedPopup(layoutSuite.get()))
        return;
    HandAnnotationsToSelectionManager(textSuite.get(), layoutSuite.get());
}

bool NotesDocumentObserver::FollowEditedPopup(INotesTextSelectionSuite* notesTextSelectionSuite) {
    if (!notesTextSelectionSuite || !notesTextSelectionSuite->IsInNoteFrame())
        return false;
    UIDRef popupRef;
    if (!NOTES_CHECK_SUCCESS(notesTextSelectionSuite->GetPopupRef(popupRef)))
        return true;
    fEditedPopupRef = popupRef;
    if (notesTextSelectionSuite->SaveNoteFrameText() != kSuccess)
        NOTES_LOG_FAILED("notesTextSelectionSuite->SaveNoteFrameText()");
    // Bringing the popup forward is no step of the user's own: it is undone with the typing.
    if (!NotesCommands::ProcessOn(kBringToFrontCmdBoss, UIDList(popupRef), "bringToFrontCmd",
                                  ICommand::kAutoUndo))
        return true;
    fPopupBroughtToFront = kTrue;
    return true;
}

bool NotesDocumentObserver::LeavesEditedPopup(INotesSelectionSuite* layoutSuite) {
    if (!fPopupBroughtToFront)
        return false;
    if (layoutSuite && layoutSuite->HasAnnotations())
        return true;
    fPopupBroughtToFront = kFalse;
    if (fEditedPopupRef.GetUID() == kInvalidUID)
        return false;
    // The first change after leaving a popup only forgets it.
    fEditedPopupRef = UIDRef();
    return true;
}

void NotesDocumentObserver::HandAnnotationsToSelectionManager(INotesTextSelectionSuite* textSuite,
                                                              INotesSelectionSuite* layoutSuite) {
    InterfacePtr<INotesAnnotsManager> annotsManager(Document(), IID_INOTESANNOTSMANAGER);
    InterfacePtr<INotesSelectionManager> notesSelectionManager(Document(), IID_INOTESSELECTIONMANAGER);
    if (!NOTES_CHECK_NIL(annotsManager) || !NOTES_CHECK_NIL(notesSelectionManager))
        return;
    UIDList annotations(Document().GetDataBase());
    if (textSuite && textSuite->HasAnnotations()) {
        UIDList inText(Document().GetDataBase());
        if (textSuite->GetAnnotations(inText) == kSuccess)
            annotations.Append(inText);
    }
    if (layoutSuite && layoutSuite->HasAnnotations()) {
        UIDList onLayout(Document().GetDataBase());
        if (layoutSuite->GetAnnotations(onLayout) == kSuccess)
            annotations.Append(onLayout);
    }
    notesSelectionManager->SetSelectedAnnotations(annotations);
}

void NotesDocumentObserver::KeepStickyNotesUpright(ICommand* transformCmd) {
    if (!transformCmd || transformCmd->GetCommandState() != ICommand::kDone)
        return;
    const UIDList items = *transformCmd->GetItemList();
    for (UID uid : items.GetUIDs()) {
        const UIDRef item(items.GetDataBase(), uid);
        InterfacePtr<INotesAnnotation> annotation(item, IID_INOTESANNOTATION);
        if (!annotation || items.GetDataBase()->GetClass(uid) != kNotesStickyNoteBoss)
            continue;
        if (!KeepIconUpright(transformCmd, item))
            return;
    }
}

bool NotesDocumentObserver::KeepIconUpright(ICommand* transformCmd, const UIDRef& icon) {
    InterfacePtr<IBoolData> originalBoolData(transformCmd, IID_INOTESTRANSFORMCMDFLAG);
    if (!NOTES_CHECK_NIL(originalBoolData))
        return false;
    if (originalBoolData->GetBool())
        return true; // this observer's own correction
    InterfacePtr<ITransformCmdData> userTransformCmdData(transformCmd, IID_ITRANSFORMCMDDATA);
    if (!NOTES_CHECK_NIL(userTransformCmdData))
        return false;
    // Undo the rotation, scale and skew around the icon's new place; keep the move.
    PMMatrix correction = userTransformCmdData->GetTransformMatrix();
    if (!correction.Invert())
        return false;
    correction.SetTranslation(PMPoint(0, 0));
    if (!correction.IsIdentity()) {
        InterfacePtr<ICommand> transformPageItemCmd(CmdUtils::CreateCommand(kTransformPageItemsCmdBoss));
        if (!NOTES_CHECK_NIL(transformPageItemCmd))
            return false;
        InterfacePtr<ITransformCmdData> transformCmdData(transformPageItemCmd, IID_ITRANSFORMCMDDATA);
        InterfacePtr<IBoolData> newCommandBoolData(transformPageItemCmd, IID_INOTESTRANSFORMCMDFLAG);
        if (!NOTES_CHECK_NIL(transformCmdData) || !NOTES_CHECK_NIL(newCommandBoolData))
            return false;
        transformPageItemCmd->SetItemList(UIDList(icon));
        transformCmdData->SetTransformData(correction, ITransformCmdData::kAroundItemCenter);
        newCommandBoolData->Set(kTrue);
        if (CmdUtils::ProcessCommand(transformPageItemCmd) != kSuccess) {
            NOTES_LOG_FAILED("transformPageItemCmd");
            return false;
        }
    }
    return RestoreIconBounds(icon);
}

bool NotesDocumentObserver::RestoreIconBounds(const UIDRef& icon) {
    InterfacePtr<IGeometry> geometry(icon, IID_IGEOMETRY);
    if (!NOTES_CHECK_NIL(geometry))
        return false;
    if (geometry->GetPathBoundingBox() != kIconBounds &&
        geometry->SetPathBoundingBox(kIconBounds) != kSuccess) {
        NOTES_LOG_FAILED("geometry->SetPathBoundingBox(kIconBounds)");
        return false;
    }
    return true;
}

void NotesDocumentObserver::KeepAnnotationLayerInactive() {
    InterfacePtr<IDocument> document(Document(), IID_IDOCUMENT);
    InterfacePtr<IUIDData> layerReference(Document(), IID_INOTESDOCLAYERREFERENCE);
    Utils<ILayerUtils> layerUtils;
    if (!NOTES_CHECK_NIL(document) || !NOTES_CHECK_NIL(layerReference) || !NOTES_CHECK_NIL(layerUtils.get()))
        return;
    const UID annotationLayer = layerReference->GetUID();
    const UID active = layerUtils->GetActiveLayerUID(document);
    if (active == kInvalidUID)
        return;
    if (active != annotationLayer) {
        fLastUserLayerUID = active;
        return;
    }
    if (fLastUserLayerUID == kInvalidUID || !Document().GetDataBase()->IsValidUID(fLastUserLayerUID))
        fLastUserLayerUID = LastDrawingLayer(annotationLayer);
    if (fLastUserLayerUID != kInvalidUID &&
        layerUtils->SetActiveLayer(document, fLastUserLayerUID) != kSuccess)
        NOTES_LOG_FAILED("layerUtils->SetActiveLayer(document, fLastUserLayerUID)");
}

UID NotesDocumentObserver::LastDrawingLayer(UID annotationLayer) const {
    InterfacePtr<ILayerList> layerList(Document(), IID_ILAYERLIST);
    if (!NOTES_CHECK_NIL(layerList))
        return kInvalidUID;
    // The last layer the user can draw on: shown and unlocked, and not the annotation layer.
    UID found = kInvalidUID;
    for (int32 i = 0; i < layerList->GetCount(); ++i) {
        InterfacePtr<IDocumentLayer> someDocLayer(layerList->QueryLayer(i));
        if (!NOTES_CHECK_NIL(someDocLayer))
            return kInvalidUID;
        const UID uid = layerList->GetNthLayerUID(i);
        if (uid != annotationLayer && someDocLayer->IsVisible() && !someDocLayer->IsLocked())
            found = uid;
    }
    return found;
}
