// SelectionState: what a view has selected, as a value: page items of one database in selection
// order, or a story with a range of its text (with the key of the story thread that holds it).
#pragma once

#include "host/database/UIDList.h"
#include "host/selection/ISelectionManager.h"
#include "host/text/RangeData.h"

class SelectionState {
public:
    using Kind = ISelectionManager::SelectionKind;

    static SelectionState PageItems(const UIDList& items);
    static SelectionState Text(const UIDRef& textModel, const RangeData& range, uint32 threadKey);

    Kind GetKind() const { return fKind; }
    const UIDList& GetItems() const { return fItems; }
    const UIDRef& GetTextModel() const { return fTextModel; }
    const RangeData& GetRange() const { return fRange; }
    uint32 GetThreadKey() const { return fThreadKey; }

    // The same selection without the listed items (nothing once no item is left).
    SelectionState Without(const UIDList& items) const;
    // The selection as it stands in its database now: deleted items left out, a deleted story
    // deselected, a range clipped to what is left of its story's text.
    SelectionState Revalidated() const;
    bool operator==(const SelectionState& o) const;

private:
    Kind fKind = ISelectionManager::kNoSelection;
    UIDList fItems;
    UIDRef fTextModel;
    RangeData fRange;
    uint32 fThreadKey = 0;
};
