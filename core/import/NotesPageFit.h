// NotesPageFit: the one rule by which a PDF page fits a document page or spread: the sizes may differ
// by just under one point in each direction, and a page or spread turned by 90 or 270 degrees is
// compared with its width and height swapped. The PDF page's box is its TrimBox, else its MediaBox.
#pragma once

#include "host/pdf/PDPage.h"
#include "host/util/BaseTypes.h"
#include "host/util/Geometry.h"

class NotesPageFit {
public:
    static bool16 Fits(const PMRect& pageBounds, PMReal rotationDegrees, const PMRect& pdfBox);
    // The page's TrimBox, else its MediaBox, as a normalised host rectangle (its top is the box's lower
    // edge in PDF space). Runs inside the caller's exception frame.
    static PMRect PDFPageBox(PDPage page);

private:
    static bool IsQuarterTurn(PMReal rotationDegrees);
};
