// SwatchList: the document's stored swatch list and its four standard swatches.
#include "../objectmodel/HostImplementations.h"
#include "Query.h"
#include "StoredUIDList.h"
#include "host/document/IRenderingObject.h"
#include "host/document/ISwatchList.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class SwatchList final : public CPMUnknown<ISwatchList> {
public:
    explicit SwatchList(IPMUnknown* boss) : CPMUnknown<ISwatchList>(boss) {}

    int32 GetSwatchCount() const override { return fSwatches.Count(); }
    UID GetNthSwatchUID(int32 index) const override { return fSwatches.At(index); }
    UIDList GetSwatchUIDs() const override {
        UIDList list(GetBoss()->GetDataBase());
        for (UID uid : fSwatches.UIDs())
            list.Append(uid);
        return list;
    }
    bool16 Contains(UID swatch) const override { return fSwatches.IndexOf(swatch) >= 0 ? kTrue : kFalse; }
    UID FindSwatch(const PMString& name) const override {
        for (UID uid : fSwatches.UIDs()) {
            InterfacePtr<IRenderingObject> swatch =
                Query::Get<IRenderingObject>(GetBoss()->GetDataBase(), uid);
            if (swatch && swatch->GetSwatchName() == name)
                return uid;
        }
        return kInvalidUID;
    }
    void AddSwatch(UID swatch) override {
        if (Contains(swatch))
            return;
        PreDirty();
        fSwatches.Insert(swatch, -1);
    }
    void RemoveSwatch(UID swatch) override {
        if (!Contains(swatch))
            return;
        PreDirty();
        fSwatches.Remove(swatch);
    }

    UID GetNoneSwatchUID() const override { return fStandard[0]; }
    UID GetPaperSwatchUID() const override { return fStandard[1]; }
    UID GetBlackSwatchUID() const override { return fStandard[2]; }
    UID GetRegistrationSwatchUID() const override { return fStandard[3]; }
    void SetStandardSwatches(UID none, UID paper, UID black, UID registration) override {
        PreDirty();
        fStandard[0] = none;
        fStandard[1] = paper;
        fStandard[2] = black;
        fStandard[3] = registration;
    }

    void ReadWrite(IPMStream* stream, ImplementationID) override {
        for (UID& uid : fStandard)
            stream->XferReference(uid);
        fSwatches.ReadWrite(stream);
    }

private:
    UID fStandard[4] = {kInvalidUID, kInvalidUID, kInvalidUID, kInvalidUID};
    StoredUIDList fSwatches;
};
} // namespace

ImplementationDeclaration MakeSwatchListImplementation(ImplementationID id) {
    return IMPLEMENTATION(SwatchList, id, true);
}
