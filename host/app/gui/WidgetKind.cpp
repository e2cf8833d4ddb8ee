#include "WidgetKind.h"

#include <utility>

#include "host/database/IDataBase.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/ui/UIIDs.h"

WidgetKind::Kind WidgetKind::Of(const IPMUnknown* widget) {
    // Most derived first: a palette panel and a dialog are panels too.
    static const std::pair<ClassID, Kind> kKinds[] = {
        {kStaticTextWidgetBoss, kStaticText},
        {kMultilineTextEditBoxWidgetBoss, kMultilineTextEditBox},
        {kIntEditBoxWidgetBoss, kIntEditBox},
        {kTextEditBoxWidgetBoss, kTextEditBox},
        {kIconToggleButtonWidgetBoss, kIconToggleButton},
        {kTreeExpanderWidgetBoss, kTreeExpander},
        {kCheckBoxWidgetBoss, kCheckBox},
        {kIconButtonWidgetBoss, kIconButton},
        {kButtonWidgetBoss, kButton},
        {kIconWidgetBoss, kIcon},
        {kDropDownListWidgetBoss, kDropDownList},
        {kTreeViewWidgetBoss, kTreeView},
        {kGenericPanelWidgetBoss, kPanel},
        {kPalettePanelWidgetBoss, kPanel},
        {kDialogBoss, kPanel}};
    if (!widget)
        return kUnknown;
    const ClassID classID = GetClass(widget);
    for (const auto& [ancestor, kind] : kKinds)
        if (ClassRegistry::Instance().IsDerivedFrom(classID, ancestor))
            return kind;
    return kUnknown;
}
