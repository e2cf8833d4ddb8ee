// CDialogObserver: base of dialog observers. It watches the dialog's OK and Cancel buttons: OK
// validates, then applies and closes; Cancel closes without applying. Plug-ins attach to more of
// the dialog's widgets in AutoAttach and call this class's Update first in their own.
#pragma once

#include "host/notify/CObserver.h"

class IPanelControlData;

class CDialogObserver : public CObserver {
public:
    explicit CDialogObserver(IPMUnknown* boss) : CObserver(boss) {}
    void AutoAttach() override;
    void AutoDetach() override;
    void Update(ClassID theChange, ISubject* theSubject, PMIID protocol, void* changedBy) override;

protected:
    // Attaches to (detaches from) the subject of the dialog's widget with the ID for the protocol.
    void AttachToWidget(WidgetID id, PMIID protocol);
    void DetachFromWidget(WidgetID id, PMIID protocol);
    // The widget ID of the widget behind a subject (kInvalidWidgetID when it is none).
    static WidgetID WidgetIDOf(ISubject* subject);

private:
    IPanelControlData* GetDialogPanel() const;
};
