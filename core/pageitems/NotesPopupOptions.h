// NotesPopupOptions: the popup display mode, held for the application's lifetime and not stored;
// it starts as "leave popups alone".
#pragma once

#include "INotesPopupOptions.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesPopupOptions final : public CPMUnknown<INotesPopupOptions> {
public:
    explicit NotesPopupOptions(IPMUnknown* boss) : CPMUnknown<INotesPopupOptions>(boss) {}
    void SetMode(int32 mode) override { fMode = mode; }
    int32 GetMode() const override { return fMode; }

private:
    int32 fMode = kLeaveAlone;
};
