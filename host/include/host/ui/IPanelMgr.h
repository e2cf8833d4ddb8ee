// IPanelMgr (on the application object): the panels plug-ins declare, by the panel's widget ID.
// Showing a panel makes it from its resource on first use and auto-attaches the observers of its
// widgets; hiding auto-detaches them. Both are sent under IID_IPANELMGR through the application's subject.
#pragma once

#include <string>
#include <vector>

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"

class IControlView;

class IPanelMgr : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IPANELMGR };
    // kFalse when no plug-in declares a panel with the ID.
    virtual bool16 ShowPanelByWidgetID(WidgetID panelID) = 0;
    virtual void HidePanelByWidgetID(WidgetID panelID) = 0;
    virtual bool16 IsPanelWithWidgetIDShown(WidgetID panelID) const = 0;
    // The panel (made when needed; no reference added), or nullptr when none is declared.
    virtual IControlView* GetPanelFromWidgetID(WidgetID panelID) = 0;
    // The widget IDs of every declared panel, so that a front end can offer each one.
    virtual std::vector<WidgetID> GetPanelWidgetIDs() const = 0;
    // The menu path of the panel's own menu (its items are prepared by the action manager), or ""
    // when it has none or no such panel is declared.
    virtual std::string GetPanelMenuPath(WidgetID panelID) const = 0;
};
