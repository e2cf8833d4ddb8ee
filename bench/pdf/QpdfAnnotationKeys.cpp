#include "QpdfAnnotationKeys.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

QpdfAnnotationKeys::Walk QpdfAnnotationKeys::ReadFile(const char* path) {
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(path);
    Walk walk;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        QPDFObjectHandle annots = page.getObjectHandle().getKey("/Annots");
        if (!annots.isArray())
            continue;
        for (QPDFObjectHandle annot : annots.getArrayAsVector())
            if (annot.isDictionary()) {
                walk.checksum += Read(annot);
                ++walk.annotations;
            }
    }
    return walk;
}

double QpdfAnnotationKeys::Numbers(QPDFObjectHandle array) {
    double sum = 0;
    if (array.isArray())
        for (QPDFObjectHandle item : array.getArrayAsVector())
            sum += item.isNumber() ? item.getNumericValue() : 0;
    return sum;
}

double QpdfAnnotationKeys::Text(QPDFObjectHandle string) {
    return string.isString() ? static_cast<double>(string.getUTF8Value().size()) : 0;
}

double QpdfAnnotationKeys::Read(QPDFObjectHandle annot) {
    double sum = Numbers(annot.getKey("/Rect")) + Numbers(annot.getKey("/C")) + Numbers(annot.getKey("/IC"));
    sum += Text(annot.getKey("/Contents")) + Text(annot.getKey("/T")) + Text(annot.getKey("/M"));
    for (const char* key : {"/QuadPoints", "/L", "/Vertices", "/CL", "/RD"})
        sum += Numbers(annot.getKey(key));
    QPDFObjectHandle bs = annot.getKey("/BS");
    if (bs.isDictionary()) {
        sum += bs.getKey("/W").isNumber() ? bs.getKey("/W").getNumericValue() : 0;
        sum += bs.getKey("/S").isName() ? 1 : 0;
        sum += Numbers(bs.getKey("/D"));
    }
    QPDFObjectHandle be = annot.getKey("/BE");
    if (be.isDictionary() && be.getKey("/I").isNumber())
        sum += be.getKey("/I").getNumericValue();
    QPDFObjectHandle le = annot.getKey("/LE");
    if (le.isArray())
        sum += le.getArrayNItems();
    if (annot.getKey("/F").isInteger())
        sum += static_cast<double>(annot.getKey("/F").getIntValue());
    sum += annot.getKey("/Popup").isDictionary() ? 1 : 0;
    return sum + (annot.getKey("/Subtype").isName() ? annot.getKey("/Subtype").getName().size() : 0);
}
