// ParcelList: the parcels of a story's primary thread are the columns of its frame list.
#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/document/IGeometry.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IFrameList.h"
#include "host/text/IParcelList.h"

namespace {
class ParcelList final : public CPMUnknown<IParcelList> {
public:
    explicit ParcelList(IPMUnknown* boss) : CPMUnknown<IParcelList>(boss) {}

    int32 GetParcelCount() const override { return Frames() ? Frames()->GetFrameCount() : 0; }
    ParcelKey GetNthParcelKey(int32 n) const override {
        const UID column = Frames() ? Frames()->GetNthFrameUID(n) : kInvalidUID;
        return column == kInvalidUID ? kInvalidParcelKey : static_cast<ParcelKey>(column);
    }
    int32 GetParcelIndex(ParcelKey key) const override {
        return Frames() && key != kInvalidParcelKey ? Frames()->GetFrameIndex(static_cast<UID>(key)) : -1;
    }
    UID GetParcelFrameUID(ParcelKey key) const override {
        return GetParcelIndex(key) >= 0 ? static_cast<UID>(key) : kInvalidUID;
    }
    PMRect GetParcelBounds(ParcelKey key) const override {
        InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(DB(), GetParcelFrameUID(key));
        return geometry ? geometry->GetPathBoundingBox() : PMRect();
    }
    PMMatrix GetParcelToPasteboardMatrix(ParcelKey key) const override {
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(DB(), GetParcelFrameUID(key));
        return transform ? transform->InnerToPasteboardMatrix() : PMMatrix();
    }
    std::vector<Parcel> GetParcels() const override;

private:
    IDataBase* DB() const { return GetBoss()->GetDataBase(); }
    InterfacePtr<IFrameList> Frames() const { return InterfacePtr<IFrameList>(this, IID_IFRAMELIST); }
};

std::vector<Parcel> ParcelList::GetParcels() const {
    std::vector<Parcel> parcels;
    InterfacePtr<IFrameList> frames = Frames();
    if (!frames)
        return parcels;
    // One pass over the list: asking for each column by its place would walk the list each time.
    for (UID column : frames->GetFrameUIDs()) {
        InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(DB(), column);
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(DB(), column);
        if (geometry && transform)
            parcels.push_back(Parcel{static_cast<ParcelKey>(column), geometry->GetPathBoundingBox(),
                                     transform->InnerToPasteboardMatrix()});
    }
    return parcels;
}
} // namespace

ImplementationDeclaration MakeParcelListImplementation(ImplementationID id) {
    return IMPLEMENTATION(ParcelList, id, false);
}
