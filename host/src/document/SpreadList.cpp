// SpreadList: the document's stored list of spreads.
#include "../objectmodel/HostImplementations.h"
#include "StoredUIDList.h"
#include "host/document/ISpreadList.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class SpreadList final : public CPMUnknown<ISpreadList> {
public:
    explicit SpreadList(IPMUnknown* boss) : CPMUnknown<ISpreadList>(boss) {}
    int32 GetSpreadCount() const override { return fSpreads.Count(); }
    UID GetNthSpreadUID(int32 index) const override { return fSpreads.At(index); }
    int32 GetSpreadIndex(UID spread) const override { return fSpreads.IndexOf(spread); }
    void InsertSpread(UID spread, int32 position) override {
        PreDirty();
        fSpreads.Insert(spread, position);
    }
    void RemoveSpread(UID spread) override {
        if (fSpreads.IndexOf(spread) < 0)
            return;
        PreDirty();
        fSpreads.Remove(spread);
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override { fSpreads.ReadWrite(stream); }

private:
    StoredUIDList fSpreads;
};
} // namespace

ImplementationDeclaration MakeSpreadListImplementation(ImplementationID id) {
    return IMPLEMENTATION(SpreadList, id, true);
}
