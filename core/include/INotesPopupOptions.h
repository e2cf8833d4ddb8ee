// INotesPopupOptions: the application-wide popup display mode: 0 shows every popup, 1 leaves
// popups alone, 2 shows only the popups of the selected annotations.
#pragma once

#include "NotesID.h"
#include "host/objectmodel/IPMUnknown.h"

class INotesPopupOptions : public IPMUnknown {
public:
    enum { kDefaultIID = IID_INOTESPOPUPOPTIONS };
    enum Mode : int32 { kShowAll = 0, kLeaveAlone = 1, kShowSelected = 2 };
    virtual void SetMode(int32 mode) = 0;
    virtual int32 GetMode() const = 0;
};
