// TextParcelList: composes a story thread (the story's primary thread, or a table cell's) into
// the thread's parcels whenever asked; the story's wax strand answers from what it kept while
// neither the text nor the parcels changed. While nothing in the document changed at all, the
// last composition answers directly: building the parcel list is a walk over every frame, and
// per-column questions asked for each frame would otherwise cost that walk every time.
#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/objectmodel/Boss.h"
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
        IDataBase* db = GetBoss()->GetDataBase();
        if (fComposed && db->GetChangeCount() == fComposedAt)
            return *fComposed;
        fComposed = &Compose(db);
        fComposedAt = db->GetChangeCount();
        return *fComposed;
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

private:
    const TextComposition& Compose(IDataBase* db) const {
        InterfacePtr<IParcelList> parcels(this, IID_IPARCELLIST);
        InterfacePtr<ITextStoryThread> thread(this, IID_ITEXTSTORYTHREAD);
        InterfacePtr<IWaxStrand> wax = Query::Get<IWaxStrand>(db, thread->GetTextModelUID());
        return wax ? wax->Compose(thread->GetThreadKey(), thread->GetTextRange(), parcels->GetParcels())
                   : Empty();
    }

    // What a thread whose story is gone composes to.
    static const TextComposition& Empty() {
        static const TextComposition empty = [] {
            TextComposition composition;
            composition.Reset({}, 0);
            composition.Finish();
            return composition;
        }();
        return empty;
    }

    // The last composition and the document's change count it was made at.
    mutable const TextComposition* fComposed = nullptr;
    mutable uint64 fComposedAt = 0;
};
} // namespace

ImplementationDeclaration MakeTextParcelListImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextParcelList, id, false);
}
