// ApplyAttrOverridesCmd: copies every attribute of an attribute list (held by its IPMUnknownData)
// onto each item of its list, over what the items had.
#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/IPMUnknownData.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class ApplyAttrOverridesCmd final : public Command {
public:
    explicit ApplyAttrOverridesCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<IPMUnknownData> data(this, IID_IPMUNKNOWNDATA);
        InterfacePtr<IGraphicStyleAttributeBossList> overrides(data ? data->GetPMUnknown() : nullptr,
                                                               IID_IGRAPHICSTYLEATTRIBUTEBOSSLIST);
        if (!db || fItemList.IsEmpty() || !overrides)
            return;
        std::vector<GraphicAttribute> attributes;
        for (int32 i = 0; i < overrides->CountBosses(); ++i)
            attributes.push_back(overrides->GetNthAttribute(i));
        if (!PageItemOps::AddAttributes(fItemList, attributes))
            return;
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), kGfxApplyAttrOverridesCmdBoss,
                               IID_IHIERARCHY_DOCUMENT, this);
    }
    PMString* CreateName() override { return new PMString("Apply Attributes"); }
};
} // namespace

ImplementationDeclaration MakeApplyAttrOverridesCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(ApplyAttrOverridesCmd, id, false);
}
