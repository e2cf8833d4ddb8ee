// NotesPopupOptions: the popup display mode of the application. It starts as "leave popups alone"
// and is kept with the application's defaults between runs (stored as one int32); a stored value
// that is no mode reads as the start value.
#pragma once

#include "INotesPopupOptions.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesPopupOptions final : public CPMUnknown<INotesPopupOptions> {
public:
    explicit NotesPopupOptions(IPMUnknown* boss) : CPMUnknown<INotesPopupOptions>(boss) {}
    void SetMode(int32 mode) override;
    int32 GetMode() const override { return fMode; }
    void ReadWrite(IPMStream* stream, ImplementationID implID) override;

    static bool IsMode(int32 mode) { return mode >= kShowAll && mode <= kShowSelected; }

private:
    int32 fMode = kLeaveAlone;
};
