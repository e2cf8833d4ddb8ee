// NotesSplineAnnotationLayout: page, layer and bounds of an annotation page item.
#pragma once

#include "INotesAnnotationLayout.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesSplineAnnotationLayout final : public CPMUnknown<INotesAnnotationLayout> {
public:
    explicit NotesSplineAnnotationLayout(IPMUnknown* boss) : CPMUnknown<INotesAnnotationLayout>(boss) {}
    UID GetPageUID() override;
    UID GetLayerUID() override;
    PMRect GetBounds() override;
};
