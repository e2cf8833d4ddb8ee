// ApplyMultAttributesCmd: sets the attributes of its data on each item of its list.
#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IApplyMultAttributesCmdData.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class ApplyMultAttributesCmd final : public Command {
public:
    explicit ApplyMultAttributesCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<IApplyMultAttributesCmdData> data(this, IID_IAPPLYMULTATTRIBUTESCMDDATA);
        if (!db || fItemList.IsEmpty() || !data)
            return;
        if (!PageItemOps::AddAttributes(fItemList, data->GetAttributes()))
            return;
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), kGfxApplyMultAttributesCmdBoss,
                               IID_IHIERARCHY_DOCUMENT, this);
    }
    PMString* CreateName() override { return new PMString("Apply Attributes"); }
};
} // namespace

ImplementationDeclaration MakeApplyMultAttributesCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(ApplyMultAttributesCmd, id, false);
}
