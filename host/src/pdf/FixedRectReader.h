// Reads a PDF rectangle (an array of four numbers, corners in any order) as
// a normalised fixed-point rectangle: left < right, bottom < top.
#pragma once

#include "host/pdf/ASFixed.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <optional>

class FixedRectReader {
public:
    // nullopt unless the object is an array whose first four items are
    // numbers.
    static std::optional<ASFixedRect> read(QPDFObjectHandle array);
};
