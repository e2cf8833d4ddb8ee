// ItemStrand: owned items ordered by the index they are anchored at.
#include <algorithm>
#include <unordered_map>

#include "../database/CountedList.h"
#include "TextImplementations.h"
#include "host/database/IDataBase.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IItemStrand.h"

namespace {
bool Before(const OwnedItemData& a, const OwnedItemData& b) {
    return a.fAt != b.fAt ? a.fAt < b.fAt : a.fUID < b.fUID;
}

class ItemStrand final : public CPMUnknown<IItemStrand> {
public:
    explicit ItemStrand(IPMUnknown* boss) : CPMUnknown<IItemStrand>(boss) {}

    UID GetOwnedUID(TextIndex index, ClassID itemClass) const override {
        for (auto it = FirstAt(index); it != fItems.end() && it->fAt == index; ++it)
            if ((itemClass == kInvalidClass || it->fClassID == itemClass) && Exists(it->fUID))
                return it->fUID;
        return kInvalidUID;
    }
    int32 CollectOwnedItems(RangeData range, ClassID itemClass, OwnedItemDataList* items) const override {
        int32 added = 0;
        for (auto it = FirstAt(range.Start()); it != fItems.end() && it->fAt < range.End(); ++it) {
            if ((itemClass != kInvalidClass && it->fClassID != itemClass) || !Exists(it->fUID))
                continue;
            items->push_back(*it);
            ++added;
        }
        return added;
    }
    TextIndex GetOwnedItemIndex(UID item) const override {
        const auto found = Find(item);
        return found == fItems.end() || !Exists(item) ? -1 : found->fAt;
    }
    int32 CountOwnedItems() const override {
        return static_cast<int32>(
            std::count_if(fItems.begin(), fItems.end(), [&](const auto& d) { return Exists(d.fUID); }));
    }

    void SetOwnedItem(TextIndex at, UID item, ClassID itemClass) override {
        PreDirty();
        if (const auto found = Find(item); found != fItems.end())
            fItems.erase(found);
        const OwnedItemData data{item, at, itemClass};
        fItems.insert(std::upper_bound(fItems.begin(), fItems.end(), data, Before), data);
        fIndexOf[item] = at;
    }
    bool RemoveOwnedItem(UID item) override {
        const auto found = Find(item);
        if (found == fItems.end())
            return false;
        PreDirty();
        fItems.erase(found);
        fIndexOf.erase(item);
        return true;
    }
    void InsertSpace(TextIndex at, int32 length) override {
        auto it = FirstAt(at);
        if (it == fItems.end() || length <= 0)
            return;
        PreDirty();
        for (; it != fItems.end(); ++it) {
            it->fAt += length;
            fIndexOf[it->fUID] = it->fAt;
        }
    }
    void Remove(TextIndex at, int32 length) override {
        if (length <= 0 || FirstAt(at) == fItems.end())
            return;
        PreDirty();
        const auto first = FirstAt(at);
        const auto end = FirstAt(at + length);
        for (auto it = first; it != end; ++it)
            fIndexOf.erase(it->fUID);
        for (auto it = end; it != fItems.end(); ++it) {
            it->fAt -= length;
            fIndexOf[it->fUID] = it->fAt;
        }
        fItems.erase(first, end);
    }

    void RemoveDeletedItems() override {
        if (std::all_of(fItems.begin(), fItems.end(), [&](const auto& d) { return Exists(d.fUID); }))
            return;
        PreDirty();
        std::erase_if(fItems, [&](const auto& d) { return !Exists(d.fUID); });
        Reindex();
    }

    void ReadWrite(IPMStream* stream, ImplementationID) override {
        CountedList::Xfer(stream, fItems, [](IPMStream* s, OwnedItemData& item) {
            s->XferInt32(item.fAt);
            s->XferReference(item.fUID);
            s->XferID(item.fClassID);
        });
        if (stream->IsReading()) {
            std::sort(fItems.begin(), fItems.end(), Before);
            Reindex();
        }
    }

private:
    // An item deleted by other means than its text stays listed until the next edit of its
    // text; until then the strand does not answer it.
    bool Exists(UID item) const {
        IDataBase* db = ::GetDataBase(this);
        return !db || db->IsValidUID(item);
    }
    std::vector<OwnedItemData>::const_iterator FirstAt(TextIndex index) const {
        return std::lower_bound(fItems.begin(), fItems.end(), index,
                                [](const OwnedItemData& d, TextIndex i) { return d.fAt < i; });
    }
    std::vector<OwnedItemData>::iterator FirstAt(TextIndex index) {
        return std::lower_bound(fItems.begin(), fItems.end(), index,
                                [](const OwnedItemData& d, TextIndex i) { return d.fAt < i; });
    }
    // An item by the index it is anchored at, so that finding one never walks the whole strand.
    template <class Items>
    static auto FindIn(Items& items, const std::unordered_map<UID, TextIndex>& indexOf, UID item) {
        const auto known = indexOf.find(item);
        if (known == indexOf.end())
            return items.end();
        auto it = std::lower_bound(items.begin(), items.end(), known->second,
                                   [](const OwnedItemData& d, TextIndex i) { return d.fAt < i; });
        for (; it != items.end() && it->fAt == known->second; ++it)
            if (it->fUID == item)
                return it;
        return items.end();
    }
    std::vector<OwnedItemData>::const_iterator Find(UID item) const { return FindIn(fItems, fIndexOf, item); }
    std::vector<OwnedItemData>::iterator Find(UID item) { return FindIn(fItems, fIndexOf, item); }
    void Reindex() {
        fIndexOf.clear();
        for (const OwnedItemData& d : fItems)
            fIndexOf[d.fUID] = d.fAt;
    }

    std::vector<OwnedItemData> fItems;
    std::unordered_map<UID, TextIndex> fIndexOf; // derived from fItems, never stored
};
} // namespace

ImplementationDeclaration MakeItemStrandImplementation(ImplementationID id) {
    return IMPLEMENTATION(ItemStrand, id, true);
}
