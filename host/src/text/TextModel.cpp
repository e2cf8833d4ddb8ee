// TextModel: edits of a story, kept in step across its strands (characters, attributes, owned
// items, thread lengths), with the owned items' hooks run around removals and pastes. An edit
// stays inside one story thread and never touches the thread's final return.
#include <algorithm>

#include "OwnedItemCarrier.h"
#include "StoryStrands.h"
#include "TextImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextStrand.h"
#include "host/text/IThreadStrand.h"

namespace {
class TextModel final : public CPMUnknown<ITextModel> {
public:
    explicit TextModel(IPMUnknown* boss) : CPMUnknown<ITextModel>(boss) {}

    int32 TotalLength() const override { return Text()->GetLength(); }
    ErrorCode Insert(TextIndex position, const WideString& text) override;
    ErrorCode Delete(TextIndex position, int32 length) override;
    ErrorCode Replace(TextIndex position, int32 length, const WideString& text) override;
    ErrorCode Paste(TextIndex position, int32 length, const TextScrap& scrap) override;
    TextScrap Copy(TextIndex position, int32 length) const override;
    WideString GetText(TextIndex position, int32 length) const override {
        return Text()->GetText(position, length);
    }

private:
    template <class T> InterfacePtr<T> Strand() const { return InterfacePtr<T>(this, T::kDefaultIID); }
    InterfacePtr<ITextStrand> Text() const { return Strand<ITextStrand>(); }
    // Whether [position, position + length) lies inside one thread, before its final return.
    bool IsEditable(TextIndex position, int32 length) const {
        if (position < 0 || length < 0)
            return false;
        InterfacePtr<IThreadStrand> threads = Strand<IThreadStrand>();
        if (!threads)
            return position + length <= TotalLength() - 1;
        const int32 thread = threads->FindThreadAt(position);
        return thread >= 0 && position + length <= threads->GetNthRange(thread).End() - 1;
    }
    // Attributes that typed text at position takes: those of the character before it (those that
    // follow owned items only inside their run).
    AttributeBossList InsertionAttributes(TextIndex position) const {
        InterfacePtr<IAttributeStrand> attributes = Strand<IAttributeStrand>();
        return OwnedItemCarrier::TypedAttributes(attributes->GetAttributes(position > 0 ? position - 1 : 0),
                                                 attributes->GetAttributes(position));
    }
    void InsertRuns(TextIndex position, const std::u16string& text, const std::vector<AttributeRun>& runs);
    void RemoveText(TextIndex position, int32 length);
};

void TextModel::InsertRuns(TextIndex position, const std::u16string& text,
                           const std::vector<AttributeRun>& runs) {
    if (InterfacePtr<IThreadStrand> threads = Strand<IThreadStrand>())
        threads->Resize(position, static_cast<int32>(text.size()));
    StoryStrands::Insert(this, position, text, runs);
}

void TextModel::RemoveText(TextIndex position, int32 length) {
    if (InterfacePtr<IThreadStrand> threads = Strand<IThreadStrand>())
        threads->Resize(position, -length);
    StoryStrands::Remove(this, position, length);
}

ErrorCode TextModel::Insert(TextIndex position, const WideString& text) {
    if (!IsEditable(position, 0))
        return kInvalidParameterError;
    if (!text.IsEmpty())
        InsertRuns(position, text.GetUTF16(), {AttributeRun{text.Length(), InsertionAttributes(position)}});
    return kSuccess;
}

ErrorCode TextModel::Delete(TextIndex position, int32 length) {
    if (!IsEditable(position, length))
        return kInvalidParameterError;
    if (length == 0)
        return kSuccess;
    OwnedItemCarrier(this).BeforeRemoval(RangeData(position, position + length));
    // A removal hook may have edited the text; never remove what is no longer there.
    if (!IsEditable(position, length))
        return kFailure;
    RemoveText(position, length);
    return kSuccess;
}

ErrorCode TextModel::Replace(TextIndex position, int32 length, const WideString& text) {
    if (!IsEditable(position, length))
        return kInvalidParameterError;
    // The new text takes the attributes of the first character it replaces.
    const AttributeBossList attributes =
        length > 0 ? Strand<IAttributeStrand>()->GetAttributes(position) : InsertionAttributes(position);
    if (const ErrorCode removed = Delete(position, length); removed != kSuccess)
        return removed;
    if (!text.IsEmpty())
        InsertRuns(position, text.GetUTF16(),
                   {AttributeRun{text.Length(), OwnedItemCarrier(this).WithoutDeletedItems(attributes)}});
    return kSuccess;
}

ErrorCode TextModel::Paste(TextIndex position, int32 length, const TextScrap& scrap) {
    if (!IsEditable(position, length))
        return kInvalidParameterError;
    if (const ErrorCode removed = Delete(position, length); removed != kSuccess)
        return removed;
    if (scrap.Length() == 0)
        return kSuccess;
    const OwnedItemCarrier carrier(this);
    const OwnedItemCarrier::Copies copies = carrier.MakeCopies(scrap);
    std::vector<AttributeRun> runs = OwnedItemCarrier::RemapRuns(scrap.GetAttributeRuns(), copies);
    int32 covered = 0;
    for (const AttributeRun& run : runs)
        covered += run.length;
    if (covered != scrap.Length()) // a hand-made scrap: plain text takes the insertion attributes
        runs = {AttributeRun{scrap.Length(), InsertionAttributes(position)}};
    InsertRuns(position, scrap.GetText().GetUTF16(), runs);
    carrier.Reinsert(position, copies);
    return kSuccess;
}

TextScrap TextModel::Copy(TextIndex position, int32 length) const {
    const TextIndex from = std::max<TextIndex>(position, 0);
    const TextIndex to = std::min<TextIndex>(position + std::max<int32>(length, 0), TotalLength());
    if (to <= from)
        return TextScrap();
    const RangeData range(from, to);
    return TextScrap(Text()->GetText(from, to - from), Strand<IAttributeStrand>()->CopyRuns(range),
                     OwnedItemCarrier(this).Snapshot(range));
}
} // namespace

ImplementationDeclaration MakeTextModelImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextModel, id, false);
}
