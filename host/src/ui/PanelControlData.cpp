// PanelControlData: the host's IPanelControlData; it holds its children and searches breadth first,
// so the nearest widget with an ID is found.
#include <algorithm>
#include <deque>
#include <utility>
#include <vector>

#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IPanelControlData.h"

namespace {
class PanelControlData final : public CPMUnknown<IPanelControlData> {
public:
    explicit PanelControlData(IPMUnknown* boss) : CPMUnknown<IPanelControlData>(boss) {}
    ~PanelControlData() override {
        for (const InterfacePtr<IControlView>& child : fChildren)
            child->SetParentView(nullptr);
    }

    int32 Length() const override { return static_cast<int32>(fChildren.size()); }
    IControlView* GetWidget(int32 index) const override {
        return index >= 0 && index < Length() ? fChildren[index].get() : nullptr;
    }

    IControlView* FindWidget(WidgetID id, int32 depth) const override {
        std::deque<std::pair<InterfacePtr<IPanelControlData>, int32>> pending;
        pending.emplace_back(InterfacePtr<IPanelControlData>(this, IID_IPANELCONTROLDATA), 1);
        while (!pending.empty()) {
            const auto [panel, level] = std::move(pending.front());
            pending.pop_front();
            for (int32 i = 0; i < panel->Length(); ++i) {
                IControlView* child = panel->GetWidget(i);
                if (child->GetWidgetID() == id)
                    return child;
                InterfacePtr<IPanelControlData> inner(child, IID_IPANELCONTROLDATA);
                if (inner && level < depth)
                    pending.emplace_back(std::move(inner), level + 1);
            }
        }
        return nullptr;
    }

    void AddWidget(IControlView* widget, int32 index) override {
        if (!widget)
            return;
        InterfacePtr<IControlView> self(this, IID_ICONTROLVIEW);
        widget->SetParentView(self.get());
        const auto at = index < 0 || index > Length() ? fChildren.end() : fChildren.begin() + index;
        fChildren.insert(at, InterfacePtr<IControlView>(widget, IID_ICONTROLVIEW));
    }

    void RemoveWidget(IControlView* widget) override {
        const auto found =
            std::find_if(fChildren.begin(), fChildren.end(),
                         [&](const InterfacePtr<IControlView>& c) { return c.get() == widget; });
        if (found == fChildren.end())
            return;
        widget->SetParentView(nullptr);
        fChildren.erase(found);
    }

private:
    std::vector<InterfacePtr<IControlView>> fChildren;
};
} // namespace

ImplementationDeclaration MakePanelControlDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(PanelControlData, id, false);
}
