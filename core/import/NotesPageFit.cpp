#include "NotesPageFit.h"

#include <cmath>

bool16 NotesPageFit::Fits(const PMRect& pageBounds, PMReal rotationDegrees, const PMRect& pdfBox) {
    PMReal pageWidth = std::fabs(pageBounds.Width());
    PMReal pageHeight = std::fabs(pageBounds.Height());
    if (IsQuarterTurn(rotationDegrees))
        std::swap(pageWidth, pageHeight);
    const bool widthFits = std::fabs(pageWidth - std::fabs(pdfBox.Width())) < 0.99999999;
    const bool heightFits = std::fabs(pageHeight - std::fabs(pdfBox.Height())) < 1 - 1e-8;
    return widthFits && heightFits ? kTrue : kFalse;
}

bool NotesPageFit::IsQuarterTurn(PMReal rotationDegrees) {
    const PMReal turned = std::fmod(std::fabs(rotationDegrees), 360.0);
    return PMRealEquals(turned, 90.0) || PMRealEquals(turned, 270.0);
}

PMRect NotesPageFit::PDFPageBox(PDPage page) {
    ASFixedRect box;
    PDPageGetMediaBox(page, &box);
    ASFixedRect trim;
    if (PDPageGetBox(page, ASAtomFromString("TrimBox"), &trim))
        box = trim;
    PMRect rect(ASFixedToFloat(box.left), ASFixedToFloat(box.bottom), ASFixedToFloat(box.right),
                ASFixedToFloat(box.top));
    rect.Normalize();
    return rect;
}
