#include "NotesCreateStickyNoteCmd.h"

#include "INotesAnnotation.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/IItemLockData.h"
#include "host/document/IPathUtils.h"
#include "host/document/IStandOffModeCmdData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "NotesFailureLog.h"
#include "model/NotesSaveAnnotationCmd.h"

bool NotesCreateStickyNoteCmd::SetFillColor(const UIDRef& note, UID swatch) {
    InterfacePtr<IGraphicStyleAttributeBossList> graphicStyleAttributeBossList(
        note, IID_IGRAPHICSTYLEATTRIBUTEBOSSLIST);
    if (!NOTES_CHECK_NIL(graphicStyleAttributeBossList))
        return false;
    Utils<IGraphicAttributeUtils> graphicAttributeUtils;
    if (!NOTES_CHECK_NIL(graphicAttributeUtils))
        return false;
    return NOTES_CHECK_SUCCESS(
        graphicAttributeUtils->AddFillRenderingAttribute(graphicStyleAttributeBossList, swatch));
}

bool NotesCreateStickyNoteCmd::SetNoTextWrap(const UIDRef& note) {
    InterfacePtr<ICommand> setStandOffCmd(CmdUtils::CreateCommand(kStandOffModeCmdBoss));
    InterfacePtr<IStandOffModeCmdData> standOffModeCmdData(setStandOffCmd, IID_ISTANDOFFMODECMDDATA);
    if (!NOTES_CHECK_NIL(standOffModeCmdData))
        return false;
    standOffModeCmdData->SetMode(0);
    setStandOffCmd->SetItemList(UIDList(note));
    if (CmdUtils::ProcessCommand(setStandOffCmd) != kSuccess) {
        NOTES_LOG_FAILED("setStandOffCmd");
        return false;
    }
    return true;
}

bool NotesCreateStickyNoteCmd::SetPopupReferenceAndLocks(const UIDRef& note) {
    InterfacePtr<IUIDData> cmdPopupReference(this, IID_INOTESANNOTATIONREFERENCE);
    InterfacePtr<IUIDData> popupReference(note, IID_INOTESANNOTATIONREFERENCE);
    if (!NOTES_CHECK_NIL(cmdPopupReference) || !NOTES_CHECK_NIL(popupReference))
        return false;
    popupReference->Set(cmdPopupReference->GetUID());
    InterfacePtr<IItemLockData> itemLockData(note, IID_IITEMLOCKDATA);
    if (!NOTES_CHECK_NIL(itemLockData))
        return false;
    itemLockData->SetInsertLock(kTrue);
    itemLockData->SetAttributeLock(kTrue);
    return true;
}

void NotesCreateStickyNoteCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        InterfacePtr<INotesAnnotation> record(this, IID_INOTESANNOTATION);
        if (!NOTES_CHECK_NIL(record))
            break;
        const PMPointList points = record->GetPoints();
        if (!NOTES_CHECK_TRUE(points.size() == 2))
            break;
        PMRect bounds(points[0], points[1]);
        bounds.Normalize();
        Utils<IPathUtils> pathUtils;
        if (!NOTES_CHECK_NIL(pathUtils))
            break;
        const UIDRef stickyNoteUIDRef =
            pathUtils->CreateRectangleSpline(GetItemList()->GetRef(0), bounds, kNotesStickyNoteBoss);
        if (!NOTES_CHECK_TRUE(stickyNoteUIDRef.GetUID() != kInvalidUID))
            break;
        if (!SetFillColor(stickyNoteUIDRef, record->GetColor()) || !SetNoTextWrap(stickyNoteUIDRef) ||
            !NotesSaveAnnotationCmd::SaveRecord(stickyNoteUIDRef, record) ||
            !SetPopupReferenceAndLocks(stickyNoteUIDRef))
            break;
        fItemList = UIDList(stickyNoteUIDRef);
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesCreateStickyNoteCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesCreateStickyNoteCmdNameKey));
}
