// NotesUINotesPanelControlView: the Notes panel's view, which keeps a resized panel at least 200 points
// wide and between 200 and 2048 points high, skipping heights between 200 and 240, in steps of 5.
#pragma once

#include "host/ui/CControlView.h"

class NotesUINotesPanelControlView final : public PalettePanelView {
public:
    explicit NotesUINotesPanelControlView(IPMUnknown* boss) : PalettePanelView(boss) {}
    PMPoint ConstrainDimensions(const PMPoint& dimensions) const override;
};
