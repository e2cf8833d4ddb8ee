// TextStoryThreadDict: a story's own thread dictionary, which holds its primary thread only
// (each table's cells are threads of the table model's dictionary).
#include "TextImplementations.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/ITextStoryThreadDict.h"

namespace {
class TextStoryThreadDict final : public CPMUnknown<ITextStoryThreadDict> {
public:
    explicit TextStoryThreadDict(IPMUnknown* boss) : CPMUnknown<ITextStoryThreadDict>(boss) {}

    UID GetOwnerUID() const override { return GetBoss()->GetUID(); }
    int32 GetThreadCount() const override { return 1; }
    ITextStoryThread* QueryThread(int32 n) const override {
        return n == 0 ? ObjectModel::CheckedCast<ITextStoryThread>(QueryInterface(IID_ITEXTSTORYTHREAD))
                      : nullptr;
    }
    ITextStoryThread* QueryThreadAt(TextIndex index) const override {
        InterfacePtr<ITextStoryThread> primary(QueryThread(0));
        return primary && primary->GetTextRange().Contains(index) ? primary.forget() : nullptr;
    }
};
} // namespace

ImplementationDeclaration MakeTextStoryThreadDictImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextStoryThreadDict, id, false);
}
