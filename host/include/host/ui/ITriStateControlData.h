// ITriStateControlData: on, off or mixed (check boxes, toggle buttons, expanders). A change is sent
// as kTrueStateMessage, kFalseStateMessage or kUnknownStateMessage under IID_ITRISTATECONTROLDATA.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"

class ITriStateControlData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITRISTATECONTROLDATA };
    enum TriState { kUnselected = 0, kSelected = 1, kUnknown = 2 };
    // Observers are told only when the state really changes and notifyOfChange is set.
    virtual void SetState(TriState state, bool16 invalidate = kTrue, bool16 notifyOfChange = kTrue) = 0;
    virtual TriState GetState() const = 0;
    void Select(bool16 invalidate = kTrue, bool16 notify = kTrue) { SetState(kSelected, invalidate, notify); }
    void Deselect(bool16 invalidate = kTrue, bool16 notify = kTrue) {
        SetState(kUnselected, invalidate, notify);
    }
    void SetUnknown(bool16 invalidate = kTrue, bool16 notify = kTrue) {
        SetState(kUnknown, invalidate, notify);
    }
    bool16 IsSelected() const { return GetState() == kSelected; }
    bool16 IsDeselected() const { return GetState() == kUnselected; }
    bool16 IsUnknown() const { return GetState() == kUnknown; }
};
