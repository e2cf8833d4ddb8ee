// OwnedItemCarrier: what happens to a story's owned items when their text is removed, copied or
// pasted: the items' mementos are told, items that go with their text are deleted through their
// delete request, and a paste makes fresh copies of the items a copy carried.
#pragma once

#include "host/database/UIDList.h"
#include "host/text/RangeData.h"
#include "host/text/TextScrap.h"

class IPMUnknown;

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
    // The scrap's attribute runs with UID values that name a carried item changed to its copy.
    static std::vector<AttributeRun> RemapRuns(const std::vector<AttributeRun>& runs, const Copies& copies);

private:
    IDataBase* fDataBase;
    UID fStory;
};
