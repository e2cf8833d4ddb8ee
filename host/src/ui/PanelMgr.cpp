// PanelMgr: the host's IPanelMgr; panels are made from their resources once and kept.
#include <map>

#include "WidgetNotify.h"
#include "WidgetTree.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/IPanelMgr.h"
#include "host/ui/WidgetResources.h"

namespace {
class PanelMgr final : public CPMUnknown<IPanelMgr> {
public:
    explicit PanelMgr(IPMUnknown* boss) : CPMUnknown<IPanelMgr>(boss) {}

    bool16 ShowPanelByWidgetID(WidgetID panelID) override {
        IControlView* panel = GetPanelFromWidgetID(panelID);
        if (!panel)
            return kFalse;
        if (fShown[panelID])
            return kTrue;
        fShown[panelID] = true;
        panel->Show();
        AutoAttachWidgets(panel, true);
        NotifyWidgetChange(this, kPanelShownMessage, IID_IPANELMGR, panel);
        return kTrue;
    }

    void HidePanelByWidgetID(WidgetID panelID) override {
        const auto found = fPanels.find(panelID);
        if (found == fPanels.end() || !fShown[panelID])
            return;
        fShown[panelID] = false;
        IControlView* panel = found->second.get();
        AutoAttachWidgets(panel, false);
        ReleaseFocusInside(panel);
        panel->Hide();
        NotifyWidgetChange(this, kPanelHiddenMessage, IID_IPANELMGR, panel);
    }

    bool16 IsPanelWithWidgetIDShown(WidgetID panelID) const override {
        const auto found = fShown.find(panelID);
        return found != fShown.end() && found->second;
    }

    IControlView* GetPanelFromWidgetID(WidgetID panelID) override {
        if (const auto found = fPanels.find(panelID); found != fPanels.end())
            return found->second.get();
        const WidgetResourceDeclaration* resource = WidgetResources::Instance().FindPanel(panelID);
        if (!resource)
            return nullptr;
        InterfacePtr<IControlView> panel(WidgetResources::CreateWidgets(resource->root));
        if (!panel)
            return nullptr;
        panel->Hide();
        return fPanels.emplace(panelID, panel).first->second.get();
    }

    std::vector<WidgetID> GetPanelWidgetIDs() const override {
        return WidgetResources::Instance().GetPanelIDs();
    }

    std::string GetPanelMenuPath(WidgetID panelID) const override {
        const WidgetResourceDeclaration* resource = WidgetResources::Instance().FindPanel(panelID);
        return resource && resource->menuPath ? resource->menuPath : "";
    }

private:
    std::map<WidgetID, InterfacePtr<IControlView>> fPanels;
    std::map<WidgetID, bool> fShown;
};
} // namespace

ImplementationDeclaration MakePanelMgrImplementation(ImplementationID id) {
    return IMPLEMENTATION(PanelMgr, id, false);
}
