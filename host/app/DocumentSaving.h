// DocumentSaving: how the verbs that change a document end: saved over its own file, or as the
// file given with --out when there is one, and closed.
#pragma once

#include <string>

class IDocument;

class DocumentSaving {
public:
    // Saves the document when save is true (as out unless out is empty) and closes it; answers the
    // exit status: 1 after printing why the save failed, else 0 when saved, status when not.
    static int SaveAndClose(IDocument* document, bool save, const std::string& out, int status);
};
