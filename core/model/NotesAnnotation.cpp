#include "NotesAnnotation.h"

#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"

void NotesAnnotation::Set(NotesAnnotationType type, PMPointList points, UID color, bool16 canShowPopup,
                          PMString content, PMString author, IDTime date) {
    PreDirty();
    NotesAnnotationBase::Set(type, std::move(points), color, canShowPopup, std::move(content),
                             std::move(author), date);
    fPointCount = static_cast<int32>(fPoints.size());
}

void NotesAnnotation::ReadWrite(IPMStream* stream, ImplementationID) {
    int32 type = fType;
    stream->XferInt32(type);
    stream->XferReference(fColor);
    stream->XferBool(fCanShowPopup);
    stream->XferString(fContent);
    stream->XferString(fAuthor);
    stream->XferTime(fDate);
    stream->XferInt32(fPointCount);
    if (stream->IsReading()) {
        fType = static_cast<NotesAnnotationType>(type);
        fPoints.clear();
        // A damaged count stops at the end of the data instead of reading (or allocating) past it.
        for (int32 i = 0; i < fPointCount && stream->IsGood(); ++i) {
            PMPoint point;
            stream->XferPoint(point);
            if (stream->IsGood())
                fPoints.push_back(point);
        }
        fPointCount = static_cast<int32>(fPoints.size());
    } else {
        for (int32 i = 0; i < fPointCount && i < static_cast<int32>(fPoints.size()); ++i)
            stream->XferPoint(fPoints[static_cast<size_t>(i)]);
    }
}

bool16 NotesAnnotation::IsPopupShown() {
    InterfacePtr<IUIDData> popupRefernece(this, IID_INOTESANNOTATIONREFERENCE);
    if (!NOTES_CHECK_NIL(popupRefernece))
        return kFalse;
    const UID popupUID = popupRefernece->GetUID();
    if (popupUID == kInvalidUID)
        return kFalse;
    IDataBase* database = ::GetDataBase(this);
    if (!NOTES_CHECK_NIL(database))
        return kFalse;
    if (database->IsValidUID(popupUID))
        return kTrue;
    popupRefernece->Set(kInvalidUID); // the popup was deleted: forget it
    return kFalse;
}

void NotesAnnotation::ProcessPopupCommand(ClassID commandClass, const char* what) {
    InterfacePtr<ICommand> popupCmd(CmdUtils::CreateCommand(commandClass));
    if (!popupCmd) {
        NOTES_LOG_NIL(what);
        return;
    }
    popupCmd->SetItemList(UIDList(UIDRef(::GetDataBase(this), ::GetUID(this))));
    if (CmdUtils::ProcessCommand(popupCmd) != kSuccess)
        NOTES_LOG_FAILED("CmdUtils::ProcessCommand(popupCmd)");
}

void NotesAnnotation::ShowPopup() {
    if (!CanShowPopup() || IsPopupShown())
        return;
    ProcessPopupCommand(kNotesShowPopupCmdBoss, "showPopupCmd");
}

void NotesAnnotation::HidePopup() {
    if (!CanShowPopup() || !IsPopupShown())
        return;
    ProcessPopupCommand(kNotesHidePopupCmdBoss, "hidePopupCmd");
}
