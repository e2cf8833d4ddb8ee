// qpdf_annotation_walk PDF: opens the PDF with qpdf and reads every key the import reads of every
// annotation of every page, then prints the number of annotations. The floor the scale benchmark
// compares the import with: what reading the same annotations costs in qpdf alone.
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <cstdio>

#include "QpdfAnnotationKeys.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qpdf_annotation_walk PDF\n");
        return 2;
    }
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(argv[1]);
    double sum = 0;
    long annotations = 0;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        QPDFObjectHandle annots = page.getObjectHandle().getKey("/Annots");
        if (!annots.isArray())
            continue;
        for (QPDFObjectHandle annot : annots.getArrayAsVector())
            if (annot.isDictionary()) {
                sum += QpdfAnnotationKeys::Read(annot);
                ++annotations;
            }
    }
    std::printf("%ld annotations (checksum %g)\n", annotations, sum);
    return 0;
}
