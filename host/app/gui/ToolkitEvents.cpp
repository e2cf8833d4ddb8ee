#include "ToolkitEvents.h"

#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IEventDispatcher.h"
#include "host/ui/ITextControlData.h"

bool ToolkitEvents::Dispatch(IEvent::EventType type, IPMUnknown* target, const PMPoint& where, char16_t key,
                             bool shift) {
    InterfacePtr<IEventDispatcher> dispatcher(GetApplicationObject(), IID_IEVENTDISPATCHER);
    if (!dispatcher || !target)
        return false;
    IEvent event(type, where, key);
    event.SetShiftKeyDown(shift ? kTrue : kFalse);
    return dispatcher->DispatchEvent(&event, target) != kFalse;
}

void ToolkitEvents::Type(IPMUnknown* editBox, const QString& text) {
    InterfacePtr<ITextControlData> data(editBox, IID_ITEXTCONTROLDATA);
    if (!data)
        return;
    PMString typed(text.toStdU16String());
    typed.SetTranslatable(kFalse); // the user's words are never a string key
    data->SetString(typed, kTrue, kTrue);
    const char16_t last = text.isEmpty() ? char16_t(0) : static_cast<char16_t>(text.back().unicode());
    Dispatch(IEvent::kKeyUp, editBox, PMPoint(), last);
}
