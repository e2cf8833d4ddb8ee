// WidgetKind: which of the toolkit's widget classes a widget of the host's UI toolkit is (a
// plug-in's widget class derives from one of them), so the window knows what to draw for it.
#pragma once

#include "host/objectmodel/IPMUnknown.h"

class WidgetKind {
public:
    enum Kind {
        kUnknown,
        kPanel,
        kStaticText,
        kTextEditBox,
        kMultilineTextEditBox,
        kIntEditBox,
        kCheckBox,
        kIconToggleButton,
        kButton,
        kIconButton,
        kIcon,
        kDropDownList,
        kTreeView,
        kTreeExpander
    };
    static Kind Of(const IPMUnknown* widget);
};
