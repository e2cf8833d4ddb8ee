// NotesTextProfile: the document's text profile. Not stored; it starts invalid, is built by the
// first Update and stays valid until Invalidate. Destroying it releases every thread reference.
#pragma once

#include <vector>

#include "INotesTextProfile.h"
#include "host/objectmodel/CPMUnknown.h"

class IDataBase;
class IParcelList;
class ITextStoryThreadDict;

class NotesTextProfile final : public CPMUnknown<INotesTextProfile> {
public:
    explicit NotesTextProfile(IPMUnknown* boss) : CPMUnknown<INotesTextProfile>(boss) {}
    void Update() override;
    void Invalidate() override { fValid = false; }
    std::vector<NotesTextArea> FindTextAreas(UID spreadUID, const PMPoint& p1, const PMPoint& p2) override;
    void AddTextArea(const PMRect& bounds, ITextStoryThread* thread, UID spreadUID, UID story, int32 kind,
                     ParcelKey parcelKey, UID frame) override;

private:
    struct SpreadGroup {
        UID spread = kInvalidUID;
        std::vector<NotesTextArea> areas;
    };

    void Build(IDataBase* database);
    void AddStory(IDataBase* database, UID story);
    void AddThreadDict(IDataBase* database, UID story, const ITextStoryThreadDict* dict);
    void AddThreadParcels(IDataBase* database, UID story, ITextStoryThread* thread, int32 kind);
    void AddTableCells(IDataBase* database, UID story, const ITextStoryThreadDict* dict);
    // Enters one parcel of a thread, found through its frame column; nothing when a look-up fails.
    void AddParcel(IDataBase* database, UID story, ITextStoryThread* thread, const IParcelList* parcelList,
                   ParcelKey key, int32 kind);

    std::vector<SpreadGroup> fGroups;
    bool fValid = false;
};
