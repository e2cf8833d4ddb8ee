// Annotations: a view on an annotation dictionary of an open document.
//
// PDAnnotGetDate reads M and keeps the time as written (the writer's local
// time); the UTC offset, when the date gives one, is in gmtOffset (minutes
// east of UTC; "Z" is 0) and hasGmtOffset is set. Accepted forms:
// "D:YYYY[MM[DD[HH[mm[SS]]]]][Z|+HH['mm[']]|-HH['mm[']]]", with or without
// "D:", written as a byte or a Unicode text string. Missing parts default
// to month 1, day 1, 00:00:00. A date with out-of-range fields is no date.
#pragma once

#include "host/pdf/PDPage.h"

struct ASTimeRec {
    ASInt16 year = 0;
    ASInt16 month = 0;  // 1-12
    ASInt16 day = 0;    // 1-31
    ASInt16 hour = 0;   // 0-23
    ASInt16 minute = 0; // 0-59
    ASInt16 second = 0; // 0-59
    ASInt16 gmtOffset = 0;
    ASBool hasGmtOffset = ASFalse;
};

// False for an entry that is not a dictionary or whose document is closed.
ASBool PDAnnotIsValid(PDAnnot annot);
// The Subtype name; ASAtomNull when missing or not a name.
ASAtom PDAnnotGetSubtype(PDAnnot annot);
CosObj PDAnnotGetCosObj(PDAnnot annot);
// The Rect, normalised (top is the upper edge). pdErrBadAnnotation when Rect
// is missing or not four numbers.
void PDAnnotGetRect(PDAnnot annot, ASFixedRect* rect);
ASBool PDAnnotGetDate(PDAnnot annot, ASTimeRec* date);
