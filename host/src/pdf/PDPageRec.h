// A page of an open document: its page dictionary, its boxes (with the
// inheritance of MediaBox and CropBox through the page tree) and its Annots.
#pragma once

#include "host/pdf/ASFixed.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <optional>
#include <string>

class PDDocRec;

class PDPageRec {
public:
    // Deeper page trees than this stop the search for inherited boxes; a
    // looping Parent chain stops at the first repeat.
    static constexpr int kMaxTreeDepth = 64;

    PDPageRec(PDDocRec& doc, int number, QPDFObjectHandle page);

    PDDocRec& doc() { return doc_; }
    int number() const { return number_; }
    QPDFObjectHandle object() const { return page_; }

    // The named box ("MediaBox", ...) when the page has it as four numbers.
    std::optional<ASFixedRect> box(const std::string& name);
    // The Annots array, or null when the page has none usable.
    QPDFObjectHandle annots();

private:
    // The entry of the page, or of its nearest ancestor for inheritable keys.
    QPDFObjectHandle lookUp(const std::string& key, bool inheritable);

    PDDocRec& doc_;
    int number_;
    QPDFObjectHandle page_;
};
