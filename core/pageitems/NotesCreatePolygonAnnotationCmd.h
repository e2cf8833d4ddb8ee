// NotesCreatePolygonAnnotationCmd: makes a polygon, circle or square page item
// (kNotesPolygonAnnotationBoss) under the given spread layer: a closed path through the record's
// points for a polygon, the ellipse or rectangle of the first two points for a circle or a square.
// It is stroked with the drawing values' weight, swatch and stroke type and filled with their
// second swatch, or with None when there is none; it never has arrowheads.
#pragma once

#include "NotesCreateDrawnMarkupCmd.h"

class NotesCreatePolygonAnnotationCmd final : public NotesCreateDrawnMarkupCmd {
public:
    explicit NotesCreatePolygonAnnotationCmd(IPMUnknown* boss);

protected:
    bool Shape(const UIDRef& item, const INotesAnnotation* record) override;
    bool Paint(const UIDRef& item, const INotesDrawMarkupAnnotationData* drawData) override;
    PMString* CreateName() override;

private:
    // Processes the convert-shape command; a failure is logged and leaves the rectangle.
    static void ConvertShape(const UIDRef& item, int32 shape);
};
