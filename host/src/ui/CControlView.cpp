#include "host/ui/CControlView.h"

#include "WidgetNotify.h"
#include "host/objectmodel/ClassRegistry.h"

void CControlView::Announce() {
    NotifyWidgetChange(this, kWidgetStateChangedMessage, IID_ICONTROLVIEW, this);
}

void CControlView::Enable(bool16 enable, bool16) {
    if (fEnabled == enable)
        return;
    fEnabled = enable;
    Announce();
}

void CControlView::Show(bool16 show) {
    if (fVisible == show)
        return;
    fVisible = show;
    Announce();
}

void CControlView::SetRsrcID(int32 rsrcID) {
    if (fRsrcID == rsrcID)
        return;
    fRsrcID = rsrcID;
    Announce();
}

void CControlView::Resize(const PMPoint& dimensions) {
    const PMPoint constrained = ConstrainDimensions(dimensions);
    if (PMRealEquals(constrained.X(), fDimensions.X()) && PMRealEquals(constrained.Y(), fDimensions.Y()))
        return;
    fDimensions = constrained;
    Announce();
}

ImplementationDeclaration MakeControlViewImplementation(ImplementationID id) {
    return IMPLEMENTATION(CControlView, id, false);
}
