// IPanelControlData: the child widgets of a panel, in order, and lookup by widget ID.
#pragma once

#include "host/ui/IControlView.h"

class IPanelControlData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IPANELCONTROLDATA };
    static constexpr int32 kMaxSearchDepth = 9999;
    virtual int32 Length() const = 0;
    // The index-th child (no reference added), nullptr out of range.
    virtual IControlView* GetWidget(int32 index) const = 0;
    // The nearest widget with the ID below this panel, looking at most depth levels down (1: the
    // children only); no reference added; nullptr when there is none.
    virtual IControlView* FindWidget(WidgetID id, int32 depth = kMaxSearchDepth) const = 0;
    // Holds the widget at the index (-1: last) and becomes its parent.
    virtual void AddWidget(IControlView* widget, int32 index = -1) = 0;
    virtual void RemoveWidget(IControlView* widget) = 0;
};
