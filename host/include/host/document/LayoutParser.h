// LayoutParser: reads a layout description (JSON) and checks it completely, so that a document is
// only built from a description that can be built. A fault is named by its JSON path ("$.items[2].
// stroke.color") and one sentence.
#pragma once

#include <string>

#include "host/document/LayoutDescription.h"

class LayoutParser {
public:
    struct Result {
        bool ok = false;
        std::string path;    // where the fault is
        std::string problem; // what is wrong, one sentence without the path
        LayoutDescription description;
        // "The layout description is invalid at <path>: <problem>"
        std::string Message() const;
    };
    static Result Parse(const std::string& json);
};
