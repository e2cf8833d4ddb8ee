// IEvent: one user gesture a front end hands to the event dispatcher: its type, the key or the
// point (in the coordinates of the view it happened in) and the modifier keys.
#pragma once

#include "host/util/BaseTypes.h"
#include "host/util/Geometry.h"

class IControlView;

class IEvent {
public:
    enum EventType {
        kNull = 0,
        kKeyDown = 1,
        kKeyUp = 2,
        kLButtonDn = 7,
        kLButtonUp = 8,
        kRButtonDn = 9,
        kDoubleClick = 10
    };
    IEvent(EventType type, const PMPoint& where = PMPoint(), char16_t key = 0)
        : fType(type), fWhere(where), fKey(key) {}
    EventType GetType() const { return fType; }
    // The point of a mouse event.
    const PMPoint& GlobalWhere() const { return fWhere; }
    // The character of a key event.
    char16_t GetChar() const { return fKey; }
    bool16 ShiftKeyDown() const { return fShift; }
    void SetShiftKeyDown(bool16 down) { fShift = down; }
    // The widget the event happened on (no reference), set by the dispatcher.
    IControlView* GetTarget() const { return fTarget; }
    void SetTarget(IControlView* target) { fTarget = target; }

private:
    EventType fType;
    PMPoint fWhere;
    char16_t fKey;
    bool16 fShift = kFalse;
    IControlView* fTarget = nullptr;
};
