// DeleteSwatchesCmd: deletes swatches from the document. Page items that used one get the
// replacement swatch (its UID data; None when invalid). The standard swatches cannot go.
#include "../PageItemOps.h"
#include "../Query.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/IRenderingObject.h"
#include "host/document/ISwatchList.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IUIDData.h"
#include "objectmodel/HostImplementations.h"

namespace {
class DeleteSwatchesCmd final : public Command {
public:
    explicit DeleteSwatchesCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<ISwatchList> list =
            db ? Query::Get<ISwatchList>(db, db->GetRootUID()) : InterfacePtr<ISwatchList>();
        if (!list || fItemList.IsEmpty())
            return;
        for (UID swatch : fItemList.GetUIDs()) {
            InterfacePtr<IRenderingObject> rendering = Query::Get<IRenderingObject>(db, swatch);
            if (!rendering || rendering->IsStandard())
                return;
        }
        const UID replacement = Replacement(db, list);
        if (fItemList.Contains(replacement))
            return;
        ReplaceUses(db, replacement);
        for (UID swatch : fItemList.GetUIDs()) {
            list->RemoveSwatch(swatch);
            db->DeleteUID(swatch);
        }
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    void DoNotify() override {
        PageItemOps::Broadcast(fItemList.GetDataBase(), kDeleteSwatchesCmdBoss, IID_ISWATCHLIST, this);
    }
    PMString* CreateName() override { return new PMString("Delete Swatches"); }

private:
    UID Replacement(IDataBase* db, ISwatchList* list) {
        InterfacePtr<IUIDData> data(this, IID_IUIDDATA);
        const UID chosen = data ? data->GetUID() : kInvalidUID;
        return chosen != kInvalidUID && db->IsValidUID(chosen) ? chosen : list->GetNoneSwatchUID();
    }
    void ReplaceUses(IDataBase* db, UID replacement) {
        for (UID uid : db->GetAllUIDs()) {
            InterfacePtr<IGraphicStyleAttributeBossList> attributes =
                Query::Get<IGraphicStyleAttributeBossList>(db, uid);
            for (int32 i = 0; attributes && i < attributes->CountBosses(); ++i) {
                GraphicAttribute attribute = attributes->GetNthAttribute(i);
                if (attribute.swatch == kInvalidUID || !fItemList.Contains(attribute.swatch))
                    continue;
                attribute.swatch = replacement;
                attributes->AddAttribute(attribute);
            }
        }
    }
};
} // namespace

ImplementationDeclaration MakeDeleteSwatchesCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(DeleteSwatchesCmd, id, false);
}
