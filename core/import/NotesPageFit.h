// NotesPageFit: whether a PDF page's box fits a document page or spread: the sizes may differ by just
// under one point in each direction. A page or spread turned by 90 or 270 degrees is compared with its
// width and height swapped.
#pragma once

#include "host/util/BaseTypes.h"
#include "host/util/Geometry.h"

class NotesPageFit {
public:
    static bool16 Fits(const PMRect& pageBounds, PMReal rotationDegrees, const PMRect& pdfBox);

private:
    static bool IsQuarterTurn(PMReal rotationDegrees);
};
