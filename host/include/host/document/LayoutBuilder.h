// LayoutBuilder: builds a document from a checked layout description, through the host's commands.
#pragma once

#include <string>

#include "host/document/LayoutDescription.h"

class IDocument;

class LayoutBuilder {
public:
    struct Result {
        ErrorCode error = kSuccess;
        std::string message;
        IDocument* document = nullptr; // open in the document manager; the caller closes it
    };
    static Result Build(const LayoutDescription& description);
};
