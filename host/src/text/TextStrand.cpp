// TextStrand: the story's code units, stored as one block.
#include <algorithm>

#include "../database/CountedList.h"
#include "ChangeStamp.h"
#include "TextImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/ITextStrand.h"

namespace {
class TextStrand final : public CPMUnknown<ITextStrand> {
public:
    explicit TextStrand(IPMUnknown* boss) : CPMUnknown<ITextStrand>(boss) {}

    int32 GetLength() const override { return static_cast<int32>(fText.size()); }
    UTF16TextChar GetChar(TextIndex index) const override {
        return index >= 0 && index < GetLength() ? fText[static_cast<size_t>(index)] : 0;
    }
    WideString GetText(TextIndex start, int32 length) const override {
        const TextIndex from = std::max<TextIndex>(start, 0);
        const TextIndex to = std::min<TextIndex>(start + std::max<int32>(length, 0), GetLength());
        if (to <= from)
            return WideString();
        return WideString(fText.substr(static_cast<size_t>(from), static_cast<size_t>(to - from)));
    }
    const std::u16string& GetUTF16() const override { return fText; }
    uint64 GetChangeCount() const override { return fStamp; }

    void InsertText(TextIndex at, const std::u16string& text) override {
        PreDirty();
        fStamp = ChangeStamp::Next();
        fText.insert(static_cast<size_t>(at), text);
    }
    void RemoveText(TextIndex at, int32 length) override {
        PreDirty();
        fStamp = ChangeStamp::Next();
        fText.erase(static_cast<size_t>(at), static_cast<size_t>(length));
    }

    void ReadWrite(IPMStream* stream, ImplementationID) override {
        int32 length = GetLength();
        stream->XferInt32(length);
        if (stream->IsReading())
            fStamp = ChangeStamp::Next();
        // Code units go as their in-memory (little-endian) bytes.
        CountedList::XferPlain(stream, fText, length);
    }

private:
    std::u16string fText;
    uint64 fStamp = ChangeStamp::Next();
};
} // namespace

ImplementationDeclaration MakeTextStrandImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextStrand, id, true);
}
