#include "NotesCreateMarkersCmd.h"

#include "NotesTextMarkupClasses.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IRangeData.h"
#include "lifecycle/NotesCommands.h"
#include "NotesFailureLog.h"

namespace {
bool SaveOtherItem(IDataBase* database, UID marker, UID partner, const char* what) {
    InterfacePtr<ICommand> saveOtherItemCmd(CmdUtils::CreateCommand(kNotesSaveOtherItemDataCmdBoss));
    InterfacePtr<IUIDData> partnerData(saveOtherItemCmd, IID_INOTESOTHERITEMREFERENCE);
    if (!saveOtherItemCmd || !partnerData) {
        NOTES_LOG_NIL(what);
        return false;
    }
    partnerData->Set(partner);
    saveOtherItemCmd->SetItemList(UIDList(UIDRef(database, marker)));
    return NotesCommands::Process(saveOtherItemCmd.forget(), what);
}
} // namespace

void NotesCreateMarkersCmd::Do() {
    ErrorCode status = kFailure;
    IDataBase* database = GetItemList()->GetDataBase();
    UIDList made(database);
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        InterfacePtr<IIntData> annotaTypeIntData(this, IID_IINTDATA);
        if (!NOTES_CHECK_NIL(annotaTypeIntData))
            break;
        const auto type = static_cast<INotesAnnotation::NotesAnnotationType>(annotaTypeIntData->GetInt());
        const ClassID endClass = NotesTextMarkupClasses::EndMarkerClassOf(type);
        if (!NOTES_CHECK_TRUE(endClass != kInvalidClass))
            break;
        const UID startMarker = database->NewUID(endClass - 1);
        const UID endMarker = database->NewUID(endClass);
        for (UID marker : {startMarker, endMarker})
            if (marker != kInvalidUID)
                made.Append(marker);
        if (!NOTES_CHECK_TRUE(startMarker != kInvalidUID) || !NOTES_CHECK_TRUE(endMarker != kInvalidUID))
            break;
        if (!SaveOtherItem(database, startMarker, endMarker, "startMarker_saveOtherItemCmd") ||
            !SaveOtherItem(database, endMarker, startMarker, "endMarker_saveOtherItemCmd"))
            break;
        fItemList = UIDList(UIDRef(database, endMarker));
        status = kSuccess;
    } while (false);
    if (status != kSuccess) {
        // Nothing half-made stays behind when this runs inside a larger command.
        NotesCommands::DeleteUIDs(made, "deleteUIDCmd");
        fItemList = UIDList(database);
    }
    ErrorUtils::PMSetGlobalErrorCode(status);
}

UIDRef NotesCreateMarkersCmd::Make(const UIDRef& story, int32 type, RangeData range) {
    InterfacePtr<ICommand> createTextMarkersCmd(CmdUtils::CreateCommand(kNotesCreateMarkersCmdBoss));
    InterfacePtr<IIntData> annotTypeIntData(createTextMarkersCmd, IID_IINTDATA);
    if (!NOTES_CHECK_NIL(annotTypeIntData))
        return UIDRef();
    annotTypeIntData->Set(type);
    createTextMarkersCmd->SetItemList(UIDList(story));
    if (CmdUtils::ProcessCommand(createTextMarkersCmd) != kSuccess ||
        !NOTES_CHECK_TRUE(createTextMarkersCmd->GetItemList()->Length() == 1))
        return UIDRef();
    const UIDRef endMarker = createTextMarkersCmd->GetItemList()->GetRef(0);
    InterfacePtr<IRangeData> annotRangeData(endMarker, IID_IRANGEDATA);
    InterfacePtr<IUIDData> storyUIDData(endMarker, IID_INOTESMARKERDATA);
    if (!NOTES_CHECK_NIL(annotRangeData) || !NOTES_CHECK_NIL(storyUIDData)) {
        Drop(endMarker);
        return UIDRef();
    }
    annotRangeData->Set(range);
    storyUIDData->Set(story.GetUID());
    return endMarker;
}

void NotesCreateMarkersCmd::Drop(const UIDRef& endMarker) {
    UIDList markers(endMarker);
    InterfacePtr<IUIDData> otherItemUIDData(endMarker, IID_INOTESOTHERITEMREFERENCE);
    if (otherItemUIDData && endMarker.GetDataBase()->IsValidUID(otherItemUIDData->GetUID()))
        markers.Append(otherItemUIDData->GetUID());
    NotesCommands::DeleteUIDs(markers, "deleteUIDCmd");
}
