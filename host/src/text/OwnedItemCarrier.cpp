#include "OwnedItemCarrier.h"

#include "../database/SectionCodec.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IAttrReport.h"
#include "host/text/IItemStrand.h"
#include "host/text/IOwnedItem.h"
#include "host/text/ITextAttrUID.h"

namespace {
template <class T> InterfacePtr<T> Query(IDataBase* db, UID uid, PMIID iid = T::kDefaultIID) {
    return InterfacePtr<T>(ObjectModel::CheckedCast<T>(db->Instantiate(uid, iid)));
}

InterfacePtr<ITextModelMemento> MementoOf(IDataBase* db, UID item) {
    InterfacePtr<IOwnedItem> owned = Query<IOwnedItem>(db, item);
    return InterfacePtr<ITextModelMemento>(owned ? owned->CreateMemento() : nullptr);
}
} // namespace

OwnedItemCarrier::OwnedItemCarrier(const IPMUnknown* story)
    : fDataBase(GetDataBase(story)), fStory(GetUID(story)) {}

void OwnedItemCarrier::BeforeRemoval(RangeData range) const {
    InterfacePtr<IItemStrand> strand = Query<IItemStrand>(fDataBase, fStory);
    OwnedItemDataList items;
    if (!strand || strand->CollectOwnedItems(range, kInvalidClass, &items) == 0)
        return;
    const UIDRef story(fDataBase, fStory);
    for (const OwnedItemData& item : items)
        if (InterfacePtr<ITextModelMemento> memento = MementoOf(fDataBase, item.fUID))
            memento->Removing(story, item.fAt, range);
    // A memento may already have deleted its item (or another one of the range), or moved it out
    // of the text that goes.
    for (const OwnedItemData& item : items) {
        if (!fDataBase->IsValidUID(item.fUID) || !range.Contains(strand->GetOwnedItemIndex(item.fUID)))
            continue;
        InterfacePtr<IOwnedItem> owned = Query<IOwnedItem>(fDataBase, item.fUID);
        if (!owned || !owned->DeletesWithText())
            continue;
        InterfacePtr<ICommand> deleteCmd(owned->CreateDeleteCmd());
        owned.reset();
        if (deleteCmd)
            CmdUtils::ProcessCommand(deleteCmd);
    }
    // Hooks may have deleted items outside the range too (a partner, say).
    strand->RemoveDeletedItems();
}

std::vector<TextScrap::CarriedItem> OwnedItemCarrier::Snapshot(RangeData range) const {
    std::vector<TextScrap::CarriedItem> carried;
    InterfacePtr<IItemStrand> strand = Query<IItemStrand>(fDataBase, fStory);
    OwnedItemDataList items;
    if (!strand || strand->CollectOwnedItems(range, kInvalidClass, &items) == 0)
        return carried;
    for (const OwnedItemData& item : items) {
        InterfacePtr<IOwnedItem> owned = Query<IOwnedItem>(fDataBase, item.fUID);
        if (!owned || !owned->CopiesWithText())
            continue;
        Boss* boss = Boss::FromUnknown(owned.get());
        carried.push_back(TextScrap::CarriedItem{item.fAt - range.Start(), boss->GetClass(),
                                                 UIDRef(fDataBase, item.fUID),
                                                 SectionCodec::Encode(boss->WriteSections())});
    }
    return carried;
}

OwnedItemCarrier::Copies OwnedItemCarrier::MakeCopies(const TextScrap& scrap) const {
    Copies copies;
    copies.copies = UIDList(fDataBase);
    for (const TextScrap::CarriedItem& item : scrap.GetCarriedItems()) {
        const UID copy = fDataBase->NewUID(item.classID);
        InterfacePtr<IPMUnknown> object(copy != kInvalidUID ? fDataBase->Instantiate(copy, IID_IPMPERSIST)
                                                            : nullptr);
        if (!object)
            continue;
        std::vector<Boss::Section> sections;
        SectionCodec::Decode(item.data, &sections);
        Boss::FromUnknown(object.get())->ReadSections(sections);
        if (!copies.sources.GetDataBase())
            copies.sources = UIDList(item.source.GetDataBase());
        copies.sources.Append(item.source.GetUID());
        copies.copies.Append(copy);
        copies.offsets.push_back(item.offset);
        copies.classes.push_back(item.classID);
    }
    return copies;
}

void OwnedItemCarrier::Reinsert(TextIndex position, const Copies& copies) const {
    InterfacePtr<IItemStrand> strand = Query<IItemStrand>(fDataBase, fStory);
    if (!strand || copies.copies.IsEmpty())
        return;
    for (int32 n = 0; n < copies.copies.Length(); ++n)
        strand->SetOwnedItem(position + copies.offsets[static_cast<size_t>(n)], copies.copies[n],
                             copies.classes[static_cast<size_t>(n)]);
    const UIDRef story(fDataBase, fStory);
    std::vector<InterfacePtr<ITextModelMemento>> mementos;
    for (int32 n = 0; n < copies.copies.Length(); ++n) {
        InterfacePtr<ITextModelMemento> memento = MementoOf(fDataBase, copies.copies[n]);
        if (!memento)
            continue;
        memento->Reinserted(story, position + copies.offsets[static_cast<size_t>(n)], copies.sources,
                            copies.copies);
        mementos.push_back(memento);
    }
    for (const auto& memento : mementos)
        memento->ReinsertionDone(story);
}

std::vector<AttributeRun> OwnedItemCarrier::RemapRuns(const std::vector<AttributeRun>& runs,
                                                      const Copies& copies) {
    std::vector<AttributeRun> remapped = runs;
    for (AttributeRun& run : remapped) {
        AttributeBossList changed;
        std::vector<ClassID> dropped;
        for (int32 n = 0; n < run.attributes.CountBosses(); ++n) {
            InterfacePtr<ITextAttrUID> value(
                ObjectModel::CheckedCast<ITextAttrUID>(run.attributes.QueryBossN(n, IID_ITEXTATTRUID)));
            const int32 carried =
                !value || copies.sources.IsEmpty() ? -1 : copies.sources.Location(value->Get());
            if (carried < 0) {
                // The item such a value names did not come along: the pasted text is not part of it.
                if (FollowsOwnedItems(value.get()))
                    dropped.push_back(Boss::FromUnknown(value.get())->GetClass());
                continue;
            }
            value->Set(copies.copies[carried]);
            changed.ApplyAttribute(value.get());
        }
        run.attributes.ApplyAttributes(changed);
        for (ClassID attributeClass : dropped)
            run.attributes.ClearAttribute(attributeClass);
    }
    return remapped;
}

AttributeBossList OwnedItemCarrier::WithoutDeletedItems(const AttributeBossList& attributes) const {
    AttributeBossList kept = attributes;
    for (int32 n = 0; n < attributes.CountBosses(); ++n) {
        InterfacePtr<ITextAttrUID> value(
            ObjectModel::CheckedCast<ITextAttrUID>(attributes.QueryBossN(n, IID_ITEXTATTRUID)));
        if (FollowsOwnedItems(value.get()) && !fDataBase->IsValidUID(value->Get()))
            kept.ClearAttribute(Boss::FromUnknown(value.get())->GetClass());
    }
    return kept;
}

AttributeBossList OwnedItemCarrier::TypedAttributes(const AttributeBossList& before,
                                                    const AttributeBossList& after) {
    AttributeBossList typed = before;
    for (int32 n = 0; n < before.CountBosses(); ++n) {
        InterfacePtr<ITextAttrUID> value(
            ObjectModel::CheckedCast<ITextAttrUID>(before.QueryBossN(n, IID_ITEXTATTRUID)));
        if (!FollowsOwnedItems(value.get()))
            continue;
        const ClassID attributeClass = Boss::FromUnknown(value.get())->GetClass();
        InterfacePtr<ITextAttrUID> next(
            ObjectModel::CheckedCast<ITextAttrUID>(after.QueryByClassID(attributeClass, IID_ITEXTATTRUID)));
        if (!next || next->Get() != value->Get())
            typed.ClearAttribute(attributeClass);
    }
    return typed;
}

bool OwnedItemCarrier::FollowsOwnedItems(const ITextAttrUID* value) {
    if (!value || value->Get() == kInvalidUID)
        return false;
    InterfacePtr<IAttrReport> report(value, IID_IATTRREPORT);
    return report && report->GetCopyBehavior() == kFollowsOwnedItems;
}
