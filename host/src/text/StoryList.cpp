// StoryList: the document's stories in the order they were made.
#include <algorithm>

#include "../database/CountedList.h"
#include "TextImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/IStoryList.h"

namespace {
class StoryList final : public CPMUnknown<IStoryList> {
public:
    explicit StoryList(IPMUnknown* boss) : CPMUnknown<IStoryList>(boss) {}

    int32 CountStories() const override { return static_cast<int32>(fStories.size()); }
    UID GetNthStoryUID(int32 n) const override {
        return n >= 0 && n < CountStories() ? fStories[static_cast<size_t>(n)] : kInvalidUID;
    }
    void AppendStory(UID story) override {
        PreDirty();
        fStories.push_back(story);
    }
    void RemoveStory(UID story) override {
        const auto found = std::find(fStories.begin(), fStories.end(), story);
        if (found == fStories.end())
            return;
        PreDirty();
        fStories.erase(found);
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        CountedList::XferReferences(stream, fStories);
    }

private:
    std::vector<UID> fStories;
};
} // namespace

ImplementationDeclaration MakeStoryListImplementation(ImplementationID id) {
    return IMPLEMENTATION(StoryList, id, true);
}
