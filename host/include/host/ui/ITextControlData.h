// ITextControlData: the text of a widget (label, static text, edit box). A change is sent as
// kTextChangeStateMessage under IID_ITEXTCONTROLDATA.
#pragma once

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"
#include "host/util/PMString.h"

class ITextControlData : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITEXTCONTROLDATA };
    // Observers are told only when the text really changes and notifyOfChange is set.
    virtual void SetString(const PMString& text, bool16 invalidate = kTrue,
                           bool16 notifyOfChange = kTrue) = 0;
    virtual PMString GetString() const = 0;
};
