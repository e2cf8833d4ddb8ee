// TextParcelList: composes the story's primary thread into its parcels whenever asked; the wax
// strand answers from what it kept while neither the text nor the parcels changed.
#include "TextImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IParcelList.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/IWaxStrand.h"

namespace {
class TextParcelList final : public CPMUnknown<ITextParcelList> {
public:
    explicit TextParcelList(IPMUnknown* boss) : CPMUnknown<ITextParcelList>(boss) {}

    const TextComposition& GetComposition() const override {
        InterfacePtr<IParcelList> parcels(this, IID_IPARCELLIST);
        InterfacePtr<ITextStoryThread> thread(this, IID_ITEXTSTORYTHREAD);
        InterfacePtr<IWaxStrand> wax(this, IID_IWAXSTRAND);
        return wax->Compose(thread->GetThreadKey(), thread->GetTextRange(), parcels->GetParcels());
    }
    RangeData GetParcelTextRange(ParcelKey key) const override {
        const TextComposition& composition = GetComposition();
        const int32 index = composition.FindParcel(key);
        return index >= 0 ? composition.GetParcelTextRange(index) : RangeData(-1, -1);
    }
    PMReal TextPositionAt(ParcelKey key, const PMPoint& pasteboardPoint) const override {
        const TextComposition& composition = GetComposition();
        return composition.TextPositionAtPasteboardPoint(composition.FindParcel(key), pasteboardPoint);
    }
    TextIndex GetOversetStart() const override { return GetComposition().GetOversetStart(); }
};
} // namespace

ImplementationDeclaration MakeTextParcelListImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextParcelList, id, false);
}
