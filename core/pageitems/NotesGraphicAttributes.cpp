#include "NotesGraphicAttributes.h"

#include "host/commands/CmdUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/IPMUnknownData.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"

bool NotesGraphicAttributes::ApplyOverrides(const UIDRef& item, IGraphicStyleAttributeBossList* list) {
    InterfacePtr<ICommand> gfxApplyOverrideAttributesCmd(
        CmdUtils::CreateCommand(kGfxApplyAttrOverridesCmdBoss));
    if (!NOTES_CHECK_NIL(gfxApplyOverrideAttributesCmd))
        return false;
    InterfacePtr<IPMUnknownData> pmUnknownData(gfxApplyOverrideAttributesCmd, IID_IPMUNKNOWNDATA);
    if (!NOTES_CHECK_NIL(pmUnknownData))
        return false;
    pmUnknownData->SetPMUnknown(list);
    gfxApplyOverrideAttributesCmd->SetItemList(UIDList(item));
    if (CmdUtils::ProcessCommand(gfxApplyOverrideAttributesCmd) != kSuccess) {
        NOTES_LOG_FAILED("gfxApplyOverrideAttributesCmd");
        return false;
    }
    return true;
}
