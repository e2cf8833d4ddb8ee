// PageList: the document pages, walked from the spread list each time.
#include <algorithm>

#include "../objectmodel/HostImplementations.h"
#include "Query.h"
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
        const std::vector<UID> pages = Pages();
        return index >= 0 && index < static_cast<int32>(pages.size()) ? pages[static_cast<size_t>(index)]
                                                                      : kInvalidUID;
    }
    std::vector<UID> GetPageUIDs() const override { return Pages(); }
    int32 GetPageIndex(UID page) const override {
        const std::vector<UID> pages = Pages();
        const auto found = std::find(pages.begin(), pages.end(), page);
        return found == pages.end() ? -1 : static_cast<int32>(found - pages.begin());
    }

private:
    std::vector<UID> Pages() const {
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
};
} // namespace

ImplementationDeclaration MakePageListImplementation(ImplementationID id) {
    return IMPLEMENTATION(PageList, id, false);
}
