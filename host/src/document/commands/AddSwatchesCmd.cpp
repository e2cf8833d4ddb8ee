// AddSwatchesCmd: adds the swatches of its list to a document's swatch list.
#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IColorData.h"
#include "host/document/ISwatchList.h"
#include "host/document/ISwatchListCmdData.h"
#include "host/objectmodel/ClassRegistry.h"
#include "objectmodel/HostImplementations.h"

namespace {
class AddSwatchesCmd final : public Command {
public:
    explicit AddSwatchesCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<ISwatchListCmdData> data(this, IID_ISWATCHLISTCMDDATA);
        UIDRef document = data ? data->GetSwatchList() : UIDRef();
        if (document.GetDataBase() == nullptr && db)
            document = UIDRef(db, db->GetRootUID());
        InterfacePtr<ISwatchList> list = Query::Get<ISwatchList>(document);
        if (!list || fItemList.IsEmpty() || document.GetDataBase() != db)
            return;
        for (UID swatch : fItemList.GetUIDs())
            if (!Query::Get<IColorData>(db, swatch))
                return;
        for (UID swatch : fItemList.GetUIDs())
            list->AddSwatch(swatch);
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), kAddSwatchesCmdBoss, IID_ISWATCHLIST, this);
    }
    PMString* CreateName() override { return new PMString("Add Swatches"); }
};
} // namespace

ImplementationDeclaration MakeAddSwatchesCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(AddSwatchesCmd, id, false);
}
