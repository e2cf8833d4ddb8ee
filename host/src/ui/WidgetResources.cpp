#include "host/ui/WidgetResources.h"
#include "host/objectmodel/InterfacePtr.h"

#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IControlView.h"
#include "host/ui/IPanelControlData.h"
#include "host/ui/ITextControlData.h"

WidgetResources& WidgetResources::Instance() {
    static WidgetResources resources;
    return resources;
}

bool WidgetResources::Add(PluginID plugin, const WidgetResourceDeclaration& resource) {
    return fResources.emplace(std::make_pair(plugin, resource.rsrcID), resource).second;
}

const WidgetResourceDeclaration* WidgetResources::Find(PluginID plugin, int32 rsrcID) const {
    const auto found = fResources.find({plugin, rsrcID});
    return found == fResources.end() ? nullptr : &found->second;
}

const WidgetResourceDeclaration* WidgetResources::FindPanel(WidgetID panelID) const {
    for (const auto& [key, resource] : fResources)
        if (resource.kind == WidgetResourceDeclaration::kPanel && resource.root.id == panelID)
            return &resource;
    return nullptr;
}

std::vector<WidgetID> WidgetResources::GetPanelIDs() const {
    std::vector<WidgetID> ids;
    for (const auto& [key, resource] : fResources)
        if (resource.kind == WidgetResourceDeclaration::kPanel)
            ids.push_back(resource.root.id);
    return ids;
}

IControlView* WidgetResources::CreateWidgets(const WidgetDeclaration& root) {
    InterfacePtr<IControlView> view(CreateObject2<IControlView>(root.widgetClass));
    if (!view)
        return nullptr;
    view->SetWidgetID(root.id);
    view->SetRsrcID(root.rsrcID);
    InterfacePtr<ITextControlData> text(view, IID_ITEXTCONTROLDATA);
    if (text && root.text && *root.text)
        text->SetString(PMString(root.text, PMString::kTranslateDuringCall), kFalse, kFalse);
    InterfacePtr<IPanelControlData> panel(view, IID_IPANELCONTROLDATA);
    for (const WidgetDeclaration& child : root.children) {
        InterfacePtr<IControlView> childView(CreateWidgets(child));
        if (!childView || !panel)
            return nullptr;
        panel->AddWidget(childView);
    }
    return view.forget();
}
