// StringListControlData: the host's IStringListControlData; it keeps the drop-down's choice on its entry.
#include <vector>

#include "WidgetNotify.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/IDropDownListController.h"
#include "host/ui/IStringListControlData.h"

namespace {
class StringListControlData final : public CPMUnknown<IStringListControlData> {
public:
    explicit StringListControlData(IPMUnknown* boss) : CPMUnknown<IStringListControlData>(boss) {}

    void Clear(bool16, bool16 notifyOfChange) override {
        const int32 count = Length();
        fStrings.clear();
        Changed(0, -count, notifyOfChange);
    }
    void AddString(const PMString& text, int32 index, bool16, bool16 notifyOfChange) override {
        if (index < 0 || index > Length())
            index = Length();
        fStrings.insert(fStrings.begin() + index, text);
        Changed(index, 1, notifyOfChange);
    }
    void RemoveString(int32 index, bool16, bool16 notifyOfChange) override {
        if (index < 0 || index >= Length())
            return;
        fStrings.erase(fStrings.begin() + index);
        Changed(index, -1, notifyOfChange);
    }
    int32 Length() const override { return static_cast<int32>(fStrings.size()); }
    PMString GetString(int32 index) const override {
        return index >= 0 && index < Length() ? fStrings[index] : PMString();
    }
    int32 GetIndex(const PMString& text) const override {
        for (int32 i = 0; i < Length(); ++i)
            if (fStrings[i] == text)
                return i;
        return -1;
    }

private:
    void Changed(int32 index, int32 count, bool16 notify) {
        InterfacePtr<IDropDownListController> controller(this, IID_IDROPDOWNLISTCONTROLLER);
        if (controller)
            controller->ListChanged(index, count);
        if (notify)
            NotifyWidgetChange(this, kStringListChangedMessage, IID_ISTRINGLISTCONTROLDATA, this);
    }
    std::vector<PMString> fStrings;
};
} // namespace

ImplementationDeclaration MakeStringListControlDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(StringListControlData, id, false);
}
