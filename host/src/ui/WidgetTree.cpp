#include "WidgetTree.h"

#include "host/notify/IObserver.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IKeyBoard.h"
#include "host/ui/IPanelControlData.h"

void AutoAttachWidgets(IControlView* root, bool attach) {
    InterfacePtr<IObserver> observer(root, IID_IOBSERVER);
    if (observer) {
        if (attach)
            observer->AutoAttach();
        else
            observer->AutoDetach();
    }
    InterfacePtr<IPanelControlData> panel(root, IID_IPANELCONTROLDATA);
    for (int32 i = 0; panel && i < panel->Length(); ++i)
        AutoAttachWidgets(panel->GetWidget(i), attach);
}

void ReleaseFocusInside(IControlView* root) {
    InterfacePtr<IKeyBoard> keyBoard(GetApplicationObject(), IID_IKEYBOARD);
    if (!keyBoard)
        return;
    for (IControlView* view = keyBoard->GetKeyFocus(); view; view = view->GetParentView())
        if (view == root) {
            keyBoard->SetKeyFocus(nullptr);
            return;
        }
}
