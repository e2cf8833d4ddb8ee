// The bare floor of reading a PDF's annotations: every key the import reads of one annotation, with
// qpdf's own accessors and nothing else. Used by the read benchmark and the scale benchmark's walk.
#pragma once

#include <qpdf/QPDFObjectHandle.hh>

class QpdfAnnotationKeys {
public:
    struct Walk {
        long annotations = 0;
        double checksum = 0;
    };
    // Opens the file with qpdf and reads every annotation dictionary of every page.
    static Walk ReadFile(const char* path);
    // A sum over every value read, so that no read can be optimised away.
    static double Read(QPDFObjectHandle annot);

private:
    static double Numbers(QPDFObjectHandle array);
    static double Text(QPDFObjectHandle string);
};
