#include "NotesRemoveTextMarkupCmd.h"

#include "NotesMarkedRun.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "lifecycle/NotesCommands.h"
#include "NotesFailureLog.h"

bool NotesRemoveTextMarkupCmd::Remove(const UIDRef& endMarker) {
    NotesMarkedRun run;
    if (!NotesMarkedRun::Find(endMarker, &run))
        return false;
    IDataBase* database = endMarker.GetDataBase();
    UIDList markers(endMarker);
    if (run.startMarker != kInvalidUID && database->IsValidUID(run.startMarker))
        markers.Append(run.startMarker);
    if (run.IsAnchored()) {
        const RangeData range = run.Range();
        if (!NotesCommands::RemoveOwnedItem(run.story, run.endMarker, "removeOwnedItemCmd") ||
            !NotesCommands::RemoveOwnedItem(run.story, run.startMarker, "removeStartOwnedItemCmd") ||
            !NotesCommands::ClearAttribute(run.story, range, run.AttributeClass(), "clearTextAttrCmd") ||
            !NotesCommands::ClearAttribute(run.story, range, kNotesTextMarkupAttrBoss,
                                           "clearTextMarkupAttrCmd"))
            return false;
    }
    return NotesCommands::DeleteUIDs(markers, "deleteUIDCmd");
}

void NotesRemoveTextMarkupCmd::Do() {
    ErrorCode status = kFailure;
    if (NOTES_CHECK_TRUE(GetItemList()->Length() > 0)) {
        status = kSuccess;
        for (int32 i = 0; i < GetItemList()->Length(); ++i)
            if (!Remove(GetItemList()->GetRef(i)))
                status = kFailure;
    }
    ErrorUtils::PMSetGlobalErrorCode(status);
}

PMString* NotesRemoveTextMarkupCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesRemoveTextMarkupCmdNameKey));
}
