// PageList: the document pages in spread order. The list is walked from the spread list once and
// kept while the document stays unchanged, so that a walk over the pages by index stays linear.
#include <unordered_map>
#include <vector>

#include "../objectmodel/HostImplementations.h"
#include "Query.h"
#include "host/database/IDataBase.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class PageList final : public CPMUnknown<IPageList> {
public:
    explicit PageList(IPMUnknown* boss) : CPMUnknown<IPageList>(boss) {}

    int32 GetPageCount() const override { return static_cast<int32>(Pages().size()); }
    UID GetNthPageUID(int32 index) const override {
        const std::vector<UID>& pages = Pages();
        return index >= 0 && index < static_cast<int32>(pages.size()) ? pages[static_cast<size_t>(index)]
                                                                      : kInvalidUID;
    }
    std::vector<UID> GetPageUIDs() const override { return Pages(); }
    int32 GetPageIndex(UID page) const override {
        Pages();
        const auto found = fIndexes.find(page);
        return found == fIndexes.end() ? -1 : found->second;
    }

private:
    // The kept list, walked again when any object of the document changed since it was made.
    const std::vector<UID>& Pages() const {
        IDataBase* db = GetBoss()->GetDataBase();
        const uint64 changeCount = db ? db->GetChangeCount() : 0;
        if (!fWalked || changeCount != fChangeCount) {
            fPages = Walk();
            fIndexes.clear();
            for (size_t i = 0; i < fPages.size(); ++i)
                fIndexes.emplace(fPages[i], static_cast<int32>(i));
            fChangeCount = changeCount;
            fWalked = true;
        }
        return fPages;
    }

    std::vector<UID> Walk() const {
        std::vector<UID> pages;
        InterfacePtr<ISpreadList> spreads(this, IID_ISPREADLIST);
        for (int32 i = 0; spreads && i < spreads->GetSpreadCount(); ++i)
            if (InterfacePtr<ISpread> spread =
                    Query::Get<ISpread>(GetBoss()->GetDataBase(), spreads->GetNthSpreadUID(i))) {
                const UIDList spreadPages = spread->GetPageUIDs();
                pages.insert(pages.end(), spreadPages.GetUIDs().begin(), spreadPages.GetUIDs().end());
            }
        return pages;
    }

    mutable std::vector<UID> fPages;
    mutable std::unordered_map<UID, int32> fIndexes;
    mutable uint64 fChangeCount = 0;
    mutable bool fWalked = false;
};
} // namespace

ImplementationDeclaration MakePageListImplementation(ImplementationID id) {
    return IMPLEMENTATION(PageList, id, false);
}
