#include "host/pdf/PDFLibraryRef.h"

#include <qpdf/QPDF.hh>

#include <atomic>

namespace {

std::atomic<int> outstanding{0};

// The reading engine works when it can build a document in memory; checked
// once per process.
bool engineWorks() {
    static const bool works = [] {
        try {
            QPDF probe;
            probe.emptyPDF();
            return !QPDF::QPDFVersion().empty() && probe.getRoot().isDictionary();
        } catch (const std::exception&) {
            return false;
        }
    }();
    return works;
}

} // namespace

PDFLibraryRef::~PDFLibraryRef() {
    Release();
}

void PDFLibraryRef::Acquire() {
    if (acquired_) {
        return;
    }
    acquired_ = true;
    ++outstanding;
    available_ = engineWorks();
}

void PDFLibraryRef::Release() {
    if (!acquired_) {
        return;
    }
    acquired_ = false;
    available_ = false;
    --outstanding;
}

int PDFLibraryRef::OutstandingReferences() {
    return outstanding.load();
}
