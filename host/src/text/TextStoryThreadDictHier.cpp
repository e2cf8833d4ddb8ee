// TextStoryThreadDictHier: a story's thread dictionaries: its own, then those of the tables whose
// anchors lie in its primary text, in the anchors' order.
#include <algorithm>
#include <vector>

#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IItemStrand.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDict.h"
#include "host/text/ITextStoryThreadDictHier.h"
#include "host/text/IThreadStrand.h"

namespace {
class TextStoryThreadDictHier final : public CPMUnknown<ITextStoryThreadDictHier> {
public:
    explicit TextStoryThreadDictHier(IPMUnknown* boss) : CPMUnknown<ITextStoryThreadDictHier>(boss) {}

    int32 GetDictCount() const override { return static_cast<int32>(Owners().size()); }
    UID GetNthDictUID(int32 n) const override {
        const std::vector<UID> owners = Owners();
        return n >= 0 && n < static_cast<int32>(owners.size()) ? owners[static_cast<size_t>(n)] : kInvalidUID;
    }
    ITextStoryThreadDict* QueryNthDict(int32 n) const override {
        return Query::Get<ITextStoryThreadDict>(DB(), GetNthDictUID(n)).forget();
    }
    UID NextUID(UID owner) const override {
        const std::vector<UID> owners = Owners();
        if (owner == kInvalidUID)
            return owners.front();
        const auto found = std::find(owners.begin(), owners.end(), owner);
        return found == owners.end() || found + 1 == owners.end() ? kInvalidUID : *(found + 1);
    }
    UID PreviousUID(UID owner) const override {
        const std::vector<UID> owners = Owners();
        const auto found = std::find(owners.begin(), owners.end(), owner);
        return found == owners.end() || found == owners.begin() ? kInvalidUID : *(found - 1);
    }
    ITextStoryThread* QueryThreadAt(TextIndex index) const override {
        InterfacePtr<IThreadStrand> threads(this, IID_ITHREADSTRAND);
        const int32 n = threads ? threads->FindThreadAt(index) : -1;
        return n >= 0 ? Query::Get<ITextStoryThread>(DB(), threads->GetNthHolder(n)).forget() : nullptr;
    }

private:
    IDataBase* DB() const { return GetBoss()->GetDataBase(); }
    std::vector<UID> Owners() const {
        std::vector<UID> owners{GetBoss()->GetUID()};
        InterfacePtr<IItemStrand> items(this, IID_IITEMSTRAND);
        InterfacePtr<ITextStoryThread> primary(this, IID_ITEXTSTORYTHREAD);
        OwnedItemDataList anchors;
        if (!items || !primary ||
            items->CollectOwnedItems(primary->GetTextRange(), kTableAnchorBoss, &anchors) == 0)
            return owners;
        for (const OwnedItemData& anchor : anchors) {
            InterfacePtr<ITableModel> table = Query::Get<ITableModel>(DB(), anchor.fUID);
            const UID model = table ? table->GetTableModelUID() : kInvalidUID;
            if (model != kInvalidUID && std::find(owners.begin(), owners.end(), model) == owners.end())
                owners.push_back(model);
        }
        return owners;
    }
};
} // namespace

ImplementationDeclaration MakeTextStoryThreadDictHierImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextStoryThreadDictHier, id, false);
}
