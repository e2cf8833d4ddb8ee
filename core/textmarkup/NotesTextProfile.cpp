#include "NotesTextProfile.h"

#include "host/database/IDataBase.h"
#include "host/document/IHierarchy.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/IParcelList.h"
#include "host/text/IStoryList.h"
#include "host/text/ITextFrameColumn.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextStoryThreadDict.h"
#include "host/text/ITextStoryThreadDictHier.h"
#include "NotesFailureLog.h"

namespace {
// The parcels' bounds are grown by this much so that marks drawn just outside a line still hit it.
constexpr PMReal kAreaTolerance = 0.5;
} // namespace

void NotesTextProfile::Update() {
    if (fValid)
        return;
    fGroups.clear();
    IDataBase* database = ::GetDataBase(this);
    if (NOTES_CHECK_NIL(database))
        Build(database);
    fValid = true;
}

void NotesTextProfile::Build(IDataBase* database) {
    InterfacePtr<IStoryList> storyList(this, IID_ISTORYLIST);
    if (!NOTES_CHECK_NIL(storyList))
        return;
    for (int32 i = 0; i < storyList->CountStories(); ++i)
        AddStory(database, storyList->GetNthStoryUID(i));
}

void NotesTextProfile::AddStory(IDataBase* database, UID story) {
    InterfacePtr<ITextModel> textModel(UIDRef(database, story), IID_ITEXTMODEL);
    if (!NOTES_CHECK_NIL(textModel))
        return;
    // The story's own dictionary first, then the cell dictionary of each of its tables.
    InterfacePtr<ITextStoryThreadDictHier> storyThreadDictHier(textModel, IID_ITEXTSTORYTHREADDICTHIER);
    if (!NOTES_CHECK_NIL(storyThreadDictHier))
        return;
    for (int32 n = 0; n < storyThreadDictHier->GetDictCount(); ++n) {
        InterfacePtr<ITextStoryThreadDict> nextStoryThreadDict(storyThreadDictHier->QueryNthDict(n));
        if (!NOTES_CHECK_NIL(nextStoryThreadDict))
            continue;
        AddThreadDict(database, story, nextStoryThreadDict);
    }
}

void NotesTextProfile::AddThreadDict(IDataBase* database, UID story, const ITextStoryThreadDict* dict) {
    const ClassID ownerClass = database->GetClass(dict->GetOwnerUID());
    if (ownerClass == kTableModelBoss) {
        AddTableCells(database, story, dict);
        return;
    }
    if (ownerClass != kTextStoryBoss && ownerClass != kTableAnchorBoss)
        return;
    const int32 kind = ownerClass == kTableAnchorBoss ? NotesTextArea::kTableText : NotesTextArea::kFrameText;
    for (int32 t = 0; t < dict->GetThreadCount(); ++t) {
        InterfacePtr<ITextStoryThread> thread(dict->QueryThread(t));
        if (!NOTES_CHECK_NIL(thread))
            continue;
        AddThreadParcels(database, story, thread, kind);
    }
}

void NotesTextProfile::AddThreadParcels(IDataBase* database, UID story, ITextStoryThread* thread,
                                        int32 kind) {
    InterfacePtr<IParcelList> parcelList(thread->QueryParcelList());
    if (!NOTES_CHECK_NIL(parcelList))
        return;
    for (int32 p = 0; p < parcelList->GetParcelCount(); ++p)
        AddParcel(database, story, thread, parcelList, parcelList->GetNthParcelKey(p), kind);
}

void NotesTextProfile::AddTableCells(IDataBase* database, UID story, const ITextStoryThreadDict* dict) {
    for (int32 t = 0; t < dict->GetThreadCount(); ++t) {
        InterfacePtr<ITextStoryThread> textStoryThread(dict->QueryThread(t));
        if (!NOTES_CHECK_NIL(textStoryThread))
            continue;
        InterfacePtr<IParcelList> cellParcelList(textStoryThread->QueryParcelList());
        if (!NOTES_CHECK_NIL(cellParcelList) || !NOTES_CHECK_TRUE(cellParcelList->GetParcelCount() == 1))
            continue;
        AddParcel(database, story, textStoryThread, cellParcelList, cellParcelList->GetNthParcelKey(0),
                  NotesTextArea::kTableCell);
    }
}

void NotesTextProfile::AddParcel(IDataBase* database, UID story, ITextStoryThread* thread,
                                 const IParcelList* parcelList, ParcelKey key, int32 kind) {
    InterfacePtr<ITextFrameColumn> textFrameColumn(UIDRef(database, parcelList->GetParcelFrameUID(key)),
                                                   IID_ITEXTFRAMECOLUMN);
    if (!NOTES_CHECK_NIL(textFrameColumn))
        return;
    InterfacePtr<IMultiColumnTextFrame> multiColumnTextFrame(textFrameColumn->QueryMultiColumnTextFrame());
    if (!NOTES_CHECK_NIL(multiColumnTextFrame))
        return;
    InterfacePtr<IHierarchy> mctFrameHierarchy(multiColumnTextFrame, IID_IHIERARCHY);
    if (!NOTES_CHECK_NIL(mctFrameHierarchy))
        return;
    // The smallest rectangle that holds the parcel's four corners on the pasteboard.
    const PMRect bounds =
        parcelList->GetParcelToPasteboardMatrix(key).TransformRect(parcelList->GetParcelBounds(key));
    AddTextArea(bounds, thread, mctFrameHierarchy->GetSpreadUID(), story, kind, key,
                ::GetUID(multiColumnTextFrame));
}

void NotesTextProfile::AddTextArea(const PMRect& bounds, ITextStoryThread* thread, UID spreadUID, UID story,
                                   int32 kind, ParcelKey parcelKey, UID frame) {
    NotesTextArea area;
    area.bounds = bounds;
    area.bounds.Normalize();
    area.bounds = PMRect(area.bounds.Left() - kAreaTolerance, area.bounds.Top() - kAreaTolerance,
                         area.bounds.Right() + kAreaTolerance, area.bounds.Bottom() + kAreaTolerance);
    area.story = story;
    area.parcelKey = parcelKey;
    area.kind = kind;
    area.thread = InterfacePtr<ITextStoryThread>(thread, IID_ITEXTSTORYTHREAD);
    area.frame = frame;
    for (SpreadGroup& group : fGroups) {
        if (group.spread == spreadUID) {
            group.areas.push_back(std::move(area));
            return;
        }
    }
    fGroups.push_back({spreadUID, {std::move(area)}});
}

std::vector<NotesTextArea> NotesTextProfile::FindTextAreas(UID spreadUID, const PMPoint& p1,
                                                           const PMPoint& p2) {
    std::vector<NotesTextArea> found;
    for (const SpreadGroup& group : fGroups) {
        if (group.spread != spreadUID)
            continue;
        for (const NotesTextArea& area : group.areas)
            if (area.bounds.Contains(p1) && area.bounds.Contains(p2))
                found.push_back(area);
        break;
    }
    return found;
}
