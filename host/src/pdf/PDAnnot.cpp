#include "host/pdf/PDAnnot.h"

#include "DocumentRegistry.h"
#include "FixedRectReader.h"
#include "LibraryCall.h"
#include "PDDocRec.h"
#include "PdfDateParser.h"
#include "PdfTextDecoder.h"

namespace {

QPDFObjectHandle annotationDict(PDAnnot annot) {
    QPDFObjectHandle object = PDDocRec::owner(annot.cos).object(annot.cos);
    if (!object.isDictionary()) {
        ASRaise(pdErrBadAnnotation);
    }
    return object;
}

// Dates are ASCII; a date written as a UTF-16 text string is narrowed first.
std::string asciiText(const std::string& bytes) {
    std::string ascii;
    for (char16_t unit : PdfTextDecoder::decode(bytes)) {
        ascii += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return ascii;
}

} // namespace

ASBool PDAnnotIsValid(PDAnnot annot) {
    if (annot.cos.docId == 0 || DocumentRegistry::instance().find(annot.cos.docId) == nullptr) {
        return ASFalse;
    }
    // Asking about validity never raises: an entry that cannot even be
    // resolved is simply not a usable annotation.
    try {
        return CosObjGetType(annot.cos) == CosDict ? ASTrue : ASFalse;
    } catch (const PdfLibraryError&) {
        return ASFalse;
    }
}

ASAtom PDAnnotGetSubtype(PDAnnot annot) {
    return libraryCall([&] {
        QPDFObjectHandle subtype = annotationDict(annot).getKey("/Subtype");
        return subtype.isName() ? ASAtomFromString(subtype.getName().substr(1).c_str()) : ASAtomNull;
    });
}

CosObj PDAnnotGetCosObj(PDAnnot annot) {
    return annot.cos;
}

void PDAnnotGetRect(PDAnnot annot, ASFixedRect* rect) {
    if (rect == nullptr) {
        ASRaise(genErrBadParm);
    }
    *rect = libraryCall([&] {
        const auto found = FixedRectReader::read(annotationDict(annot).getKey("/Rect"));
        if (!found) {
            ASRaise(pdErrBadAnnotation);
        }
        return *found;
    });
}

ASBool PDAnnotGetDate(PDAnnot annot, ASTimeRec* date) {
    if (date == nullptr) {
        ASRaise(genErrBadParm);
    }
    return libraryCall([&] {
        QPDFObjectHandle written = annotationDict(annot).getKey("/M");
        if (!written.isString()) {
            return ASFalse;
        }
        const auto parsed = PdfDateParser::parse(asciiText(written.getStringValue()));
        if (!parsed) {
            return ASFalse;
        }
        *date = *parsed;
        return ASTrue;
    });
}
