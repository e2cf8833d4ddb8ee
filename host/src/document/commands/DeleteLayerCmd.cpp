// DeleteLayerCmd: deletes document layers with their spread layers and every item on them.
// The document keeps at least one layer.
#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/ILayerList.h"
#include "host/document/ISpread.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class DeleteLayerCmd final : public Command {
public:
    explicit DeleteLayerCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<ILayerList> layers =
            db ? Query::Get<ILayerList>(db, db->GetRootUID()) : InterfacePtr<ILayerList>();
        if (!layers || fItemList.IsEmpty() || fItemList.Length() >= layers->GetCount())
            return;
        for (UID layer : fItemList.GetUIDs())
            if (layers->GetLayerIndex(layer) < 0)
                return;
        const UIDList spreads = PageItemOps::AllSpreads(db);
        for (UID layer : fItemList.GetUIDs()) {
            for (UID spreadUID : spreads.GetUIDs())
                DeleteSpreadLayers(db, spreadUID, layer);
            layers->RemoveLayer(layer);
            db->DeleteUID(layer);
        }
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), kDeleteLayerCmdBoss, IID_ILAYERLIST_DOCUMENT, this);
    }
    PMString* CreateName() override { return new PMString("Delete Layer"); }

private:
    static void DeleteSpreadLayers(IDataBase* db, UID spreadUID, UID layer) {
        InterfacePtr<ISpread> spread = Query::Get<ISpread>(db, spreadUID);
        if (!spread)
            return;
        for (int32 kind : {ISpread::kContentLayer, ISpread::kGuideLayer})
            if (const UID spreadLayer = spread->GetSpreadLayerUID(layer, kind); spreadLayer != kInvalidUID)
                PageItemOps::DeleteTree(db, spreadLayer);
    }
};
} // namespace

ImplementationDeclaration MakeDeleteLayerCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(DeleteLayerCmd, id, false);
}
