#include "SelectionState.h"

#include <algorithm>

#include "../document/Query.h"
#include "host/database/IDataBase.h"
#include "host/text/ITextModel.h"

SelectionState SelectionState::PageItems(const UIDList& items) {
    SelectionState state;
    if (items.IsEmpty())
        return state;
    state.fKind = ISelectionManager::kLayoutSelection;
    state.fItems = UIDList(items.GetDataBase());
    for (UID uid : items.GetUIDs())
        if (!state.fItems.Contains(uid))
            state.fItems.Append(uid);
    return state;
}

SelectionState SelectionState::Text(const UIDRef& textModel, const RangeData& range, uint32 threadKey) {
    SelectionState state;
    state.fKind = ISelectionManager::kTextSelection;
    state.fTextModel = textModel;
    state.fRange = range;
    state.fThreadKey = threadKey;
    return state;
}

SelectionState SelectionState::Without(const UIDList& items) const {
    if (fKind != ISelectionManager::kLayoutSelection)
        return *this;
    UIDList kept(fItems.GetDataBase());
    for (UID uid : fItems.GetUIDs())
        if (!items.Contains(uid))
            kept.Append(uid);
    return PageItems(kept);
}

SelectionState SelectionState::Revalidated() const {
    if (fKind == ISelectionManager::kLayoutSelection) {
        IDataBase* db = fItems.GetDataBase();
        UIDList existing(db);
        for (UID uid : fItems.GetUIDs())
            if (db && db->IsValidUID(uid))
                existing.Append(uid);
        return PageItems(existing);
    }
    if (fKind == ISelectionManager::kTextSelection) {
        InterfacePtr<ITextModel> model = Query::Get<ITextModel>(fTextModel);
        if (!model)
            return SelectionState();
        // The last index before the story's final paragraph return.
        const TextIndex last = std::max(0, model->TotalLength() - 1);
        const RangeData::Lean lean = fRange.GetLean();
        return Text(fTextModel, RangeData(std::min(fRange.Start(), last), std::min(fRange.End(), last), lean),
                    fThreadKey);
    }
    return *this;
}

bool SelectionState::operator==(const SelectionState& o) const {
    return fKind == o.fKind && fItems == o.fItems && fTextModel == o.fTextModel && fRange == o.fRange &&
           fThreadKey == o.fThreadKey;
}
