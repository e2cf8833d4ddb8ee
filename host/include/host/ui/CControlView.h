// CControlView: the host's control view; plug-ins derive from it to change how a view resizes.
#pragma once

#include "host/objectmodel/CPMUnknown.h"
#include "host/ui/IControlView.h"

class CControlView : public CPMUnknown<IControlView> {
public:
    explicit CControlView(IPMUnknown* boss) : CPMUnknown<IControlView>(boss) {}
    WidgetID GetWidgetID() const override { return fWidgetID; }
    void SetWidgetID(WidgetID id) override { fWidgetID = id; }
    void Enable(bool16 enable = kTrue, bool16 invalidate = kTrue) override;
    void Disable(bool16 invalidate = kTrue) override { Enable(kFalse, invalidate); }
    bool16 IsEnabled() const override { return fEnabled; }
    void Show(bool16 show = kTrue) override;
    void Hide() override { Show(kFalse); }
    bool16 IsVisible() const override { return fVisible; }
    void SetRsrcID(int32 rsrcID) override;
    int32 GetRsrcID() const override { return fRsrcID; }
    void Resize(const PMPoint& dimensions) override;
    PMPoint GetDimensions() const override { return fDimensions; }
    PMPoint ConstrainDimensions(const PMPoint& dimensions) const override { return dimensions; }
    IControlView* GetParentView() const override { return fParent; }
    void SetParentView(IControlView* parent) override { fParent = parent; }

private:
    void Announce();

    WidgetID fWidgetID = kInvalidWidgetID;
    bool16 fEnabled = kTrue;
    bool16 fVisible = kTrue;
    int32 fRsrcID = 0;
    PMPoint fDimensions;
    IControlView* fParent = nullptr;
};

// The control view of a panel shown in a palette; a panel's own view derives from it to limit its size.
using PalettePanelView = CControlView;
