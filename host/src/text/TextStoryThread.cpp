// TextStoryThread: a story's primary thread: the text before the cells' text (all of it in a story
// without tables), flowing through its frame list.
#include "TextImplementations.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IParcelList.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/IThreadStrand.h"

namespace {
constexpr int32 kPrimaryThreadKey = 0;

class TextStoryThread final : public CPMUnknown<ITextStoryThread> {
public:
    explicit TextStoryThread(IPMUnknown* boss) : CPMUnknown<ITextStoryThread>(boss) {}

    int32 GetThreadKey() const override { return kPrimaryThreadKey; }
    UID GetTextModelUID() const override { return GetBoss()->GetUID(); }
    ITextModel* QueryTextModel() const override {
        return ObjectModel::CheckedCast<ITextModel>(QueryInterface(IID_ITEXTMODEL));
    }
    TextIndex GetTextStart() const override { return 0; }
    TextIndex GetTextEnd() const override {
        InterfacePtr<IThreadStrand> threads(this, IID_ITHREADSTRAND);
        return threads ? threads->GetNthRange(0).End() : 0;
    }
    RangeData GetTextRange() const override { return RangeData(GetTextStart(), GetTextEnd()); }
    IParcelList* QueryParcelList() const override {
        return ObjectModel::CheckedCast<IParcelList>(QueryInterface(IID_IPARCELLIST));
    }
    ITextParcelList* QueryTextParcelList() const override {
        return ObjectModel::CheckedCast<ITextParcelList>(QueryInterface(IID_ITEXTPARCELLIST));
    }
};
} // namespace

ImplementationDeclaration MakeTextStoryThreadImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextStoryThread, id, false);
}
