#include "host/pdf/PDPage.h"

#include "LibraryCall.h"
#include "PDDocRec.h"
#include "PDPageRec.h"

namespace {

// What viewers assume for a page that has no MediaBox anywhere: US Letter.
ASFixedRect letterBox() {
    ASFixedRect box;
    box.right = ASFloatToFixed(612);
    box.top = ASFloatToFixed(792);
    return box;
}

void requirePage(PDPage page) {
    if (page == nullptr) {
        ASRaise(genErrBadParm);
    }
}

} // namespace

void PDPageGetMediaBox(PDPage page, ASFixedRect* box) {
    requirePage(page);
    if (box == nullptr) {
        ASRaise(genErrBadParm);
    }
    *box = libraryCall([&] { return page->box("MediaBox").value_or(letterBox()); });
}

ASBool PDPageGetBox(PDPage page, ASAtom boxName, ASFixedRect* box) {
    requirePage(page);
    if (box == nullptr) {
        ASRaise(genErrBadParm);
    }
    return libraryCall([&] {
        const auto found = page->box(ASAtomGetString(boxName));
        if (!found) {
            return ASFalse;
        }
        *box = *found;
        return ASTrue;
    });
}

ASInt32 PDPageGetNumber(PDPage page) {
    requirePage(page);
    return page->number();
}

ASInt32 PDPageGetNumAnnots(PDPage page) {
    requirePage(page);
    return libraryCall([&] {
        QPDFObjectHandle annots = page->annots();
        return annots.isArray() ? std::min(annots.getArrayNItems(), CosMaxArrayLength) : 0;
    });
}

PDAnnot PDPageGetAnnot(PDPage page, ASInt32 index) {
    requirePage(page);
    return libraryCall([&] {
        QPDFObjectHandle annots = page->annots();
        if (!annots.isArray() || index < 0 || index >= std::min(annots.getArrayNItems(), CosMaxArrayLength)) {
            ASRaise(genErrBadParm);
        }
        PDDocRec& doc = page->doc();
        // The same slots CosDictGetKeyString and CosArrayGet would give.
        const CosObj annotsObj = doc.member(doc.intern(page->object()), "/Annots", annots);
        return PDAnnot{doc.element(annotsObj, index, annots.getArrayItem(index))};
    });
}

CosObj PDPageGetCosObj(PDPage page) {
    requirePage(page);
    return libraryCall([&] { return page->doc().intern(page->object()); });
}

void PDPageRelease(PDPage /*page*/) {}
