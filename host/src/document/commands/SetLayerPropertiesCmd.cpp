// SetLayerPropertiesCmd: gives each document layer of its list the properties of its data.
#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/ILayerPropertiesCmdData.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class SetLayerPropertiesCmd final : public Command {
public:
    explicit SetLayerPropertiesCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<ILayerPropertiesCmdData> data(this, IID_ILAYERPROPERTIESCMDDATA);
        if (!db || fItemList.IsEmpty() || !data)
            return;
        for (UID uid : fItemList.GetUIDs()) {
            InterfacePtr<IDocumentLayer> layer = Query::Get<IDocumentLayer>(db, uid);
            if (!layer)
                return;
            data->Get().ApplyTo(layer);
        }
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), kSetLayerPropertiesCmdBoss, IID_ILAYERLIST_DOCUMENT,
                               this);
    }
    PMString* CreateName() override { return new PMString("Layer Options"); }
};
} // namespace

ImplementationDeclaration MakeSetLayerPropertiesCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(SetLayerPropertiesCmd, id, false);
}
