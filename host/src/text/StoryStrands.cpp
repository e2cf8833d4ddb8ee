#include "StoryStrands.h"

#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/IItemStrand.h"
#include "host/text/ITextStrand.h"

namespace StoryStrands {
void Insert(const IPMUnknown* story, TextIndex at, const std::u16string& text,
            const std::vector<AttributeRun>& runs) {
    InterfacePtr<ITextStrand>(story, IID_ITEXTSTRAND)->InsertText(at, text);
    InterfacePtr<IAttributeStrand>(story, IID_IATTRIBUTESTRAND)->InsertRuns(at, runs);
    InterfacePtr<IItemStrand>(story, IID_IITEMSTRAND)->InsertSpace(at, static_cast<int32>(text.size()));
}

void Remove(const IPMUnknown* story, TextIndex at, int32 length) {
    InterfacePtr<ITextStrand>(story, IID_ITEXTSTRAND)->RemoveText(at, length);
    InterfacePtr<IAttributeStrand>(story, IID_IATTRIBUTESTRAND)->Remove(at, length);
    InterfacePtr<IItemStrand>(story, IID_IITEMSTRAND)->Remove(at, length);
}
} // namespace StoryStrands
