// IKeyBoard (on the application object): which widget has the keyboard focus. A change is sent as
// kKeyFocusChangedMessage under IID_IKEYBOARD through the application's subject.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"

class IControlView;

class IKeyBoard : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IKEYBOARD };
    // Gives the focus to an enabled, visible widget (nullptr: to none); kFalse when refused.
    virtual bool16 SetKeyFocus(IControlView* widget) = 0;
    // The focused widget (no reference added), or nullptr.
    virtual IControlView* GetKeyFocus() const = 0;
};
