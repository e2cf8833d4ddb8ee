// ParcelList: the parcels of a story's primary thread are the columns of its frame list. The
// parcels are kept with what they were read from (the frame list, each column and the items above
// it, and the listed columns of deleted frames) and answered again while none of that changed: text
// composition asks for them after every change to the document, and most changes (marking text,
// adding notes) move no frame.
#include <optional>
#include <unordered_set>

#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/database/IDataBase.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
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
    // Parcels with the objects they were read from and the change count they were read at.
    struct Kept {
        uint64 readAt = 0;
        uint64 frameListStamp = 0;
        std::vector<Parcel> parcels;
        std::vector<UID> readFrom; // live objects, unchanged since readAt
        std::vector<UID> absent;   // listed columns of deleted frames
    };
    bool StillHolds(const Kept& kept, const IFrameList* frames) const;
    std::vector<Parcel> ReadParcels(const IFrameList* frames, std::vector<UID>* readFrom) const;
    // The object and every item above it in the hierarchy, each once.
    void AddWithAncestors(UID uid, std::unordered_set<UID>* seen, std::vector<UID>* readFrom) const;

    IDataBase* DB() const { return GetBoss()->GetDataBase(); }
    InterfacePtr<IFrameList> Frames() const { return InterfacePtr<IFrameList>(this, IID_IFRAMELIST); }

    mutable std::optional<Kept> fKept;
};

std::vector<Parcel> ParcelList::GetParcels() const {
    InterfacePtr<IFrameList> frames = Frames();
    IDataBase* db = DB();
    if (!frames || !db)
        return {};
    if (fKept && StillHolds(*fKept, frames))
        return fKept->parcels;
    Kept kept;
    kept.readAt = db->GetChangeCount();
    kept.frameListStamp = frames->GetChangeCount();
    kept.parcels = ReadParcels(frames, &kept.readFrom);
    for (UID column : frames->GetListedUIDs())
        if (!db->IsValidUID(column))
            kept.absent.push_back(column);
    fKept = std::move(kept);
    return fKept->parcels;
}

bool ParcelList::StillHolds(const Kept& kept, const IFrameList* frames) const {
    IDataBase* db = DB();
    if (frames->GetChangeCount() != kept.frameListStamp)
        return false;
    for (UID uid : kept.readFrom)
        if (db->GetObjectChangeCount(uid) >= kept.readAt)
            return false;
    for (UID uid : kept.absent)
        if (db->IsValidUID(uid))
            return false;
    return true;
}

void ParcelList::AddWithAncestors(UID uid, std::unordered_set<UID>* seen, std::vector<UID>* readFrom) const {
    for (int depth = 0; uid != kInvalidUID && depth < 256 && seen->insert(uid).second; ++depth) {
        readFrom->push_back(uid);
        InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(DB(), uid);
        uid = hierarchy ? hierarchy->GetParentUID() : kInvalidUID;
    }
}

std::vector<Parcel> ParcelList::ReadParcels(const IFrameList* frames, std::vector<UID>* readFrom) const {
    std::vector<Parcel> parcels;
    std::unordered_set<UID> seen;
    // One pass over the list: asking for each column by its place would walk the list each time.
    for (UID column : frames->GetFrameUIDs()) {
        AddWithAncestors(column, &seen, readFrom);
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
