// IDropDownListController: the chosen entry of a drop-down list. A choice is sent as
// kPopupChangeStateMessage under IID_ISTRINGLISTCONTROLDATA. Removing entries keeps the choice on
// the same entry; removing the chosen one leaves nothing chosen.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"

class IDropDownListController : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IDROPDOWNLISTCONTROLLER };
    static constexpr int32 kNoSelection = -1;
    // Chooses the entry (kNoSelection: none); an index out of range is ignored.
    virtual void Select(int32 index, bool16 invalidate = kTrue, bool16 notifyOfChange = kTrue) = 0;
    virtual int32 GetSelected() const = 0;
    // Host use: the list changed at the index (count entries added, or removed when negative).
    virtual void ListChanged(int32 index, int32 count) = 0;
};
