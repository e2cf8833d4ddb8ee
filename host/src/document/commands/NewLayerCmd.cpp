// NewLayerCmd: a document layer at a position of the layer list, with its content and guide
// spread layers on every spread and master spread, placed in the same order as the list.
#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/ILayerList.h"
#include "host/document/ILayerPropertiesCmdData.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class NewLayerCmd final : public Command {
public:
    explicit NewLayerCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<ILayerPropertiesCmdData> data(this, IID_ILAYERPROPERTIESCMDDATA);
        InterfacePtr<ILayerList> layers =
            db ? Query::Get<ILayerList>(db, db->GetRootUID()) : InterfacePtr<ILayerList>();
        if (!data || !layers)
            return;
        int32 position = data->GetPosition();
        if (position < 0 || position > layers->GetCount())
            position = layers->GetCount();
        const UID layer = db->NewUID(kDocumentLayerBoss);
        InterfacePtr<IDocumentLayer> documentLayer = Query::Get<IDocumentLayer>(db, layer);
        if (!documentLayer)
            return;
        data->Get().ApplyTo(documentLayer);
        // Pages layer first, then a content and a guide layer per document layer.
        const UIDList spreads = PageItemOps::AllSpreads(db);
        for (UID spread : spreads.GetUIDs()) {
            PageItemOps::NewSpreadLayer(db, spread, layer, kFalse, 1 + 2 * position);
            PageItemOps::NewSpreadLayer(db, spread, layer, kTrue, 2 + 2 * position);
        }
        layers->AddLayer(layer, position);
        fItemList = UIDList(UIDRef(db, layer));
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), kNewLayerCmdBoss, IID_ILAYERLIST_DOCUMENT, this);
    }
    PMString* CreateName() override { return new PMString("New Layer"); }
};
} // namespace

ImplementationDeclaration MakeNewLayerCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(NewLayerCmd, id, false);
}
