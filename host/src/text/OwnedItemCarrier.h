// OwnedItemCarrier: what happens to a story's owned items when their text is removed, copied or
// pasted: the items' mementos are told, items that go with their text are deleted through their
// delete request, and a paste makes fresh copies of the items a copy carried.
#pragma once

#include "host/database/UIDList.h"
#include "host/text/RangeData.h"
#include "host/text/TextScrap.h"

class IPMUnknown;
class ITextAttrUID;

class OwnedItemCarrier {
public:
    // story: any interface of the story whose items are handled.
    explicit OwnedItemCarrier(const IPMUnknown* story);

    // Before the text of range is deleted: removal hooks, then delete requests.
    void BeforeRemoval(RangeData range) const;
    // Snapshots of the items of range that travel with copied text.
    std::vector<TextScrap::CarriedItem> Snapshot(RangeData range) const;

    // The items a paste carries: each source item, its copy, and where and as what it is anchored.
    struct Copies {
        UIDList sources;
        UIDList copies;
        std::vector<int32> offsets;
        std::vector<ClassID> classes;
    };
    // New objects in the story's database with the state of the scrap's items (not anchored yet).
    Copies MakeCopies(const TextScrap& scrap) const;
    // Anchors the copies where the scrap's text now starts and runs their re-insertion hooks.
    void Reinsert(TextIndex position, const Copies& copies) const;
    // The scrap's attribute runs with UID values that name a carried item changed to its copy;
    // attributes that follow owned items (copy behaviour 2) whose item was not carried are dropped.
    static std::vector<AttributeRun> RemapRuns(const std::vector<AttributeRun>& runs, const Copies& copies);

    // The list without attributes that follow owned items whose item no longer exists (text that
    // replaces a marked run does not take up the mark of an item its removal deleted).
    AttributeBossList WithoutDeletedItems(const AttributeBossList& attributes) const;

    // The attributes typed text takes from the character before it (before), without those that
    // follow owned items unless the character after it (after) carries the same value: text typed
    // inside a marked run joins it, text typed at either end does not.
    static AttributeBossList TypedAttributes(const AttributeBossList& before, const AttributeBossList& after);

private:
    static constexpr int32 kFollowsOwnedItems = 2; // IAttrReport::GetCopyBehavior
    static bool FollowsOwnedItems(const ITextAttrUID* value);

    IDataBase* fDataBase;
    UID fStory;
};
