// NewSpreadCmd: a spread (or master spread) of pages side by side, centred on the spread's
// origin, with its pages layer and a content and guide layer for every document layer. The
// spreads of the list are then stacked on the pasteboard again.
#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayerList.h"
#include "host/document/IMasterPage.h"
#include "host/document/IMasterSpread.h"
#include "host/document/IMasterSpreadList.h"
#include "host/document/INewSpreadCmdData.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
template <bool Master> class NewSpreadCmd final : public Command {
public:
    explicit NewSpreadCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<INewSpreadCmdData> data(this, IID_INEWSPREADCMDDATA);
        InterfacePtr<ILayerList> layers =
            db ? Query::Get<ILayerList>(db, db->GetRootUID()) : InterfacePtr<ILayerList>();
        if (!data || !layers || data->GetPageCount() < 1 || data->GetPageWidth() <= 0 ||
            data->GetPageHeight() <= 0)
            return;
        const UID spread = db->NewUID(Master ? kMasterPagesBoss : kSpreadBoss);
        const UID pagesLayer = PageItemOps::NewSpreadLayer(db, spread, kInvalidUID, kFalse, -1);
        for (int32 i = 0; i < layers->GetCount(); ++i) {
            PageItemOps::NewSpreadLayer(db, spread, layers->GetNthLayerUID(i), kFalse, -1);
            PageItemOps::NewSpreadLayer(db, spread, layers->GetNthLayerUID(i), kTrue, -1);
        }
        if (pagesLayer == kInvalidUID || !AddPages(db, pagesLayer, data) || !Enlist(db, spread, data))
            return;
        PageItemOps::ArrangeSpreads(db, Master, spread); // the spreads before it stay
        fItemList = UIDList(UIDRef(db, spread));
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), Master ? kNewMasterSpreadCmdBoss : kNewSpreadCmdBoss,
                               IID_IHIERARCHY_DOCUMENT, this);
    }
    PMString* CreateName() override { return new PMString(Master ? "New Master" : "New Spread"); }

private:
    static bool AddPages(IDataBase* db, UID pagesLayer, const INewSpreadCmdData* data) {
        InterfacePtr<IHierarchy> pages = Query::Get<IHierarchy>(db, pagesLayer);
        const PMReal w = data->GetPageWidth(), h = data->GetPageHeight();
        const PMReal left = -w * data->GetPageCount() / 2;
        for (int32 i = 0; pages && i < data->GetPageCount(); ++i) {
            const UID page = db->NewUID(kPageBoss);
            InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(db, page);
            InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, page);
            InterfacePtr<IMasterPage> master = Query::Get<IMasterPage>(db, page);
            if (!geometry || !transform || !master)
                return false;
            geometry->SetPathBoundingBox(PMRect(0, 0, w, h));
            transform->SetInnerToParentMatrix(PMMatrix(1, 0, 0, 1, left + i * w, -h / 2));
            if (!Master)
                master->SetMasterSpreadUID(data->GetMasterSpreadUID());
            pages->AddChild(page, -1);
        }
        return pages != nullptr;
    }
    static bool Enlist(IDataBase* db, UID spread, const INewSpreadCmdData* data) {
        const UID root = db->GetRootUID();
        if (Master) {
            InterfacePtr<IMasterSpreadList> masters = Query::Get<IMasterSpreadList>(db, root);
            InterfacePtr<IMasterSpread> name = Query::Get<IMasterSpread>(db, spread);
            if (!masters || !name || data->GetName().IsEmpty() ||
                masters->FindMasterSpread(data->GetName()) != kInvalidUID)
                return false;
            name->SetName(data->GetName());
            masters->InsertMasterSpread(spread, data->GetPosition());
            return true;
        }
        InterfacePtr<ISpreadList> spreads = Query::Get<ISpreadList>(db, root);
        if (!spreads)
            return false;
        spreads->InsertSpread(spread, data->GetPosition());
        return true;
    }
};
} // namespace

ImplementationDeclaration MakeNewSpreadCmdImplementation(ImplementationID id, bool master) {
    return master ? IMPLEMENTATION(NewSpreadCmd<true>, id, false)
                  : IMPLEMENTATION(NewSpreadCmd<false>, id, false);
}
