#include "NotesNewStickyNoteCmd.h"

#include "INotesAnnotation.h"
#include "INotesAnnotationLayout.h"
#include "INotesAnnotationList.h"
#include "INotesColorManager.h"
#include "INotesLayerManager.h"
#include "INotesViewUtils.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/ISpread.h"
#include "host/layout/IActiveContext.h"
#include "host/objectmodel/IPointData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "lifecycle/NotesCommands.h"
#include "NotesFailureLog.h"

namespace {
using A = INotesAnnotation;
// The new note's icon spans 10 points each way from the click.
constexpr PMReal kHalfNote = 10.0;

void FillNewRecord(INotesAnnotation* record, PMPointList points, UID color) {
    record->Set(A::kStickyNoteAnnotation, std::move(points), color, kTrue, PMString(), PMString(),
                IDTime::CurrentTime());
}
} // namespace

UID NotesNewStickyNoteCmd::AnnotationLayerOf(IDocument* document) {
    InterfacePtr<INotesLayerManager> notesLayerManager(document, IID_INOTESLAYERMANAGER);
    if (!NOTES_CHECK_NIL(notesLayerManager))
        return kInvalidUID;
    if (!notesLayerManager->HasNotesLayer())
        return notesLayerManager->GetNotesLayerUID();
    InterfacePtr<IUIDData> layerReference(document, IID_INOTESDOCLAYERREFERENCE);
    return NOTES_CHECK_NIL(layerReference) ? layerReference->GetUID() : kInvalidUID;
}

UIDRef NotesNewStickyNoteCmd::ParentAt(IDocument* document, UID documentLayer, const PMPoint& point) {
    InterfacePtr<IActiveContext> activeContext(GetApplicationObject(), IID_IACTIVECONTEXT);
    if (!NOTES_CHECK_NIL(activeContext) || !NOTES_CHECK_NIL(activeContext->GetContextView()))
        return UIDRef();
    Utils<ILayoutUtils> layoutUtils;
    if (!NOTES_CHECK_NIL(layoutUtils))
        return UIDRef();
    IDataBase* database = ::GetDataBase(document);
    const UID spreadUID = layoutUtils->GetSpreadUIDAtPoint(document, point);
    InterfacePtr<ISpread> spread(UIDRef(database, spreadUID), IID_ISPREAD);
    if (!NOTES_CHECK_NIL(spread))
        return UIDRef();
    return UIDRef(database, spread->GetSpreadLayerUID(documentLayer, ISpread::kContentLayer));
}

UID NotesNewStickyNoteCmd::CreateNote(const UIDRef& parent, UID color, const PMPoint& point) {
    InterfacePtr<ICommand> createStickyNoteCmd(CmdUtils::CreateCommand(kNotesCreateStickyNoteCmdBoss));
    InterfacePtr<INotesAnnotation> annotationCmdData(createStickyNoteCmd, IID_INOTESANNOTATION);
    if (!NOTES_CHECK_NIL(annotationCmdData))
        return kInvalidUID;
    const PMPoint half(kHalfNote, kHalfNote);
    FillNewRecord(annotationCmdData, {point - half, point + half}, color);
    createStickyNoteCmd->SetItemList(UIDList(parent));
    if (CmdUtils::ProcessCommand(createStickyNoteCmd) != kSuccess) {
        NOTES_LOG_FAILED("createStickyNoteCmd");
        return kInvalidUID;
    }
    if (!NOTES_CHECK_TRUE(createStickyNoteCmd->GetItemList()->Length() == 1))
        return kInvalidUID;
    return createStickyNoteCmd->GetItemList()->At(0);
}

bool NotesNewStickyNoteCmd::SavePopupPlace(const UIDRef& note, const UIDRef& spread, UID color,
                                           const PMPoint& point) {
    Utils<INotesViewUtils> viewUtils;
    if (!NOTES_CHECK_NIL(viewUtils))
        return false;
    const PMRect popup = viewUtils->GetPopupBounds(spread, point + PMPoint(kHalfNote, kHalfNote));
    InterfacePtr<ICommand> saveAnnotationCmd(CmdUtils::CreateCommand(kNotesSaveAnnotationCmdBoss));
    InterfacePtr<INotesAnnotation> annotationCmdData(saveAnnotationCmd, IID_INOTESANNOTATION);
    if (!NOTES_CHECK_NIL(annotationCmdData))
        return false;
    FillNewRecord(annotationCmdData, {popup.LeftTop(), popup.RightBottom()}, color);
    saveAnnotationCmd->SetItemList(UIDList(note));
    if (CmdUtils::ProcessCommand(saveAnnotationCmd) != kSuccess) {
        NOTES_LOG_FAILED("saveAnnotationCmd");
        return false;
    }
    return true;
}

void NotesNewStickyNoteCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        InterfacePtr<IDocument> document(GetItemList()->GetRef(0), IID_IDOCUMENT);
        InterfacePtr<IPointData> pointData(this, IID_IPOINTDATA);
        InterfacePtr<INotesColorManager> colorManager(document, IID_INOTESCOLORMANAGER);
        if (!NOTES_CHECK_NIL(document) || !NOTES_CHECK_NIL(pointData) || !NOTES_CHECK_NIL(colorManager))
            break;
        const PMPoint point = pointData->GetPoint();
        const UID documentLayerUID = AnnotationLayerOf(document);
        if (!NOTES_CHECK_TRUE(documentLayerUID != kInvalidUID))
            break;
        const UIDRef parent = ParentAt(document, documentLayerUID, point);
        if (!NOTES_CHECK_TRUE(parent.GetUID() != kInvalidUID))
            break;
        const UID color = colorManager->GetKindColor(A::kStickyNoteAnnotation);
        const UID note = CreateNote(parent, color, point);
        if (note == kInvalidUID)
            break;
        InterfacePtr<IHierarchy> parentHierarchy(parent, IID_IHIERARCHY);
        const UIDRef spread(parent.GetDataBase(),
                            parentHierarchy ? parentHierarchy->GetSpreadUID() : kInvalidUID);
        if (!SavePopupPlace(UIDRef(parent.GetDataBase(), note), spread, color, point))
            break;
        InterfacePtr<INotesAnnotationLayout> layout(UIDRef(parent.GetDataBase(), note),
                                                    IID_INOTESANNOTATIONLAYOUT);
        if (!NOTES_CHECK_NIL(layout))
            break;
        InterfacePtr<INotesAnnotationList> annotationList(UIDRef(parent.GetDataBase(), layout->GetPageUID()),
                                                          IID_INOTESANNOTATIONLIST);
        if (annotationList)
            annotationList->Invalidate();
        fItemList = UIDList(UIDRef(parent.GetDataBase(), note));
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

void NotesNewStickyNoteCmd::DoNotify() {
    NotesCommands::Broadcast(this, kNotesNewStickyNoteCmdBoss, IID_INOTESANNOTATION);
}

PMString* NotesNewStickyNoteCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesNewStickyNoteCmdNameKey));
}
