// The bare floor of reading a PDF's annotations: every key the import reads of one annotation, with
// qpdf's own accessors and nothing else. Used by the read benchmark and the scale benchmark's walk.
#pragma once

#include <qpdf/QPDFObjectHandle.hh>

class QpdfAnnotationKeys {
public:
    // A sum over every value read, so that no read can be optimised away.
    static double Read(QPDFObjectHandle annot);

private:
    static double Numbers(QPDFObjectHandle array);
    static double Text(QPDFObjectHandle string);
};
