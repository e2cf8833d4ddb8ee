// NotesCreateLineAnnotationCmd: makes a line or polyline page item (kNotesLineAnnotationBoss) under
// the given spread layer: an open path through all points of the command's record, stroked with
// the drawing values' weight, swatch and stroke type, with their arrowheads at both ends.
#pragma once

#include "NotesCreateDrawnMarkupCmd.h"

class NotesCreateLineAnnotationCmd final : public NotesCreateDrawnMarkupCmd {
public:
    explicit NotesCreateLineAnnotationCmd(IPMUnknown* boss);

protected:
    bool Shape(const UIDRef& item, const INotesAnnotation* record) override;
    bool Paint(const UIDRef& item, const INotesDrawMarkupAnnotationData* drawData) override;
    PMString* CreateName() override;
};
