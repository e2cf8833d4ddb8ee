// StandOffModeCmd: sets the text-wrap mode of each item of its list.
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IStandOffData.h"
#include "host/document/IStandOffModeCmdData.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class StandOffModeCmd final : public Command {
public:
    explicit StandOffModeCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<IStandOffModeCmdData> data(this, IID_ISTANDOFFMODECMDDATA);
        if (!db || fItemList.IsEmpty() || !data || data->GetMode() < IStandOffData::kNone ||
            data->GetMode() > IStandOffData::kBandJump)
            return;
        for (UID uid : fItemList.GetUIDs()) {
            InterfacePtr<IStandOffData> standOff = Query::Get<IStandOffData>(db, uid);
            if (!standOff)
                return;
            standOff->SetMode(data->GetMode());
        }
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    PMString* CreateName() override { return new PMString("Text Wrap"); }
};
} // namespace

ImplementationDeclaration MakeStandOffModeCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(StandOffModeCmd, id, false);
}
