// PageItemAdornmentList: the adornments attached to a page item, in memory only.
#include <algorithm>

#include "../objectmodel/HostImplementations.h"
#include "host/graphics/IPageItemAdornmentList.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
class PageItemAdornmentList final : public CPMUnknown<IPageItemAdornmentList> {
public:
    explicit PageItemAdornmentList(IPMUnknown* boss) : CPMUnknown<IPageItemAdornmentList>(boss) {}
    void AddAdornment(ClassID adornmentClass) override {
        if (!HasAdornment(adornmentClass))
            fAdornments.push_back(adornmentClass);
    }
    void RemoveAdornment(ClassID adornmentClass) override { std::erase(fAdornments, adornmentClass); }
    bool16 HasAdornment(ClassID adornmentClass) const override {
        return std::find(fAdornments.begin(), fAdornments.end(), adornmentClass) != fAdornments.end()
                   ? kTrue
                   : kFalse;
    }
    const std::vector<ClassID>& GetAdornments() const override { return fAdornments; }

private:
    std::vector<ClassID> fAdornments;
};
} // namespace

ImplementationDeclaration MakePageItemAdornmentListImplementation(ImplementationID id) {
    return IMPLEMENTATION(PageItemAdornmentList, id, false);
}
