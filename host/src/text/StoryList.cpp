// StoryList: the document's stories in the order they were made.
#include <algorithm>

#include "StreamLimits.h"
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
        int32 count = CountStories();
        stream->XferInt32(count);
        count = StreamLimits::CheckedCount(stream, count);
        if (stream->IsReading())
            fStories.assign(static_cast<size_t>(count), kInvalidUID);
        for (UID& story : fStories)
            stream->XferReference(story);
    }

private:
    std::vector<UID> fStories;
};
} // namespace

ImplementationDeclaration MakeStoryListImplementation(ImplementationID id) {
    return IMPLEMENTATION(StoryList, id, true);
}
