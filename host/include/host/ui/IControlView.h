// IControlView: a widget as the front end draws it: its widget ID, enabled and visible states, icon,
// size and parent. Every change is sent as kWidgetStateChangedMessage under IID_ICONTROLVIEW.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"
#include "host/util/Geometry.h"

class IControlView : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ICONTROLVIEW };
    virtual WidgetID GetWidgetID() const = 0;
    virtual void SetWidgetID(WidgetID id) = 0;
    virtual void Enable(bool16 enable = kTrue, bool16 invalidate = kTrue) = 0;
    virtual void Disable(bool16 invalidate = kTrue) = 0;
    virtual bool16 IsEnabled() const = 0;
    virtual void Show(bool16 show = kTrue) = 0;
    virtual void Hide() = 0;
    virtual bool16 IsVisible() const = 0;
    // The icon resource the widget shows (0: none).
    virtual void SetRsrcID(int32 rsrcID) = 0;
    virtual int32 GetRsrcID() const = 0;
    // Resizes to ConstrainDimensions(dimensions).
    virtual void Resize(const PMPoint& dimensions) = 0;
    virtual PMPoint GetDimensions() const = 0;
    // The size the widget accepts for a wanted size; views override it to limit resizing.
    virtual PMPoint ConstrainDimensions(const PMPoint& dimensions) const = 0;
    // The enclosing widget (no reference added), or nullptr for a panel, dialog or detached widget.
    virtual IControlView* GetParentView() const = 0;
    // Host use: set by the panel or tree that holds the widget.
    virtual void SetParentView(IControlView* parent) = 0;
};
