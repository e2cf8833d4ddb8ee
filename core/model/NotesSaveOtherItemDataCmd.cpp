#include "NotesSaveOtherItemDataCmd.h"

#include "NotesID.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"

void NotesSaveOtherItemDataCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        InterfacePtr<IUIDData> cmdUIDData(this, IID_INOTESOTHERITEMREFERENCE);
        if (!NOTES_CHECK_NIL(cmdUIDData))
            break;
        InterfacePtr<IUIDData> otherItemUIDData(GetItemList()->GetRef(0), IID_INOTESOTHERITEMREFERENCE);
        if (!NOTES_CHECK_NIL(otherItemUIDData))
            break;
        otherItemUIDData->Set(cmdUIDData->GetUID());
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}
