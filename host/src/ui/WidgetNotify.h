// Tells the observers of a widget (its boss's ISubject) of a change.
#pragma once

#include "host/notify/ISubject.h"
#include "host/objectmodel/InterfacePtr.h"

inline void NotifyWidgetChange(const IPMUnknown* widget, ClassID change, PMIID protocol, void* changedBy) {
    InterfacePtr<ISubject> subject(widget, IID_ISUBJECT);
    if (subject)
        subject->Change(change, protocol, changedBy);
}
