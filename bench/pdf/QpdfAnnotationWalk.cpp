// qpdf_annotation_walk PDF: opens the PDF with qpdf and reads every key the import reads of every
// annotation of every page, then prints the number of annotations. The floor the scale benchmark
// compares the import with: what reading the same annotations costs in qpdf alone.
#include <cstdio>

#include "QpdfAnnotationKeys.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qpdf_annotation_walk PDF\n");
        return 2;
    }
    const QpdfAnnotationKeys::Walk walk = QpdfAnnotationKeys::ReadFile(argv[1]);
    std::printf("%ld annotations (checksum %g)\n", walk.annotations, walk.checksum);
    return 0;
}
