// NewCommand: `pagehost new LAYOUT.json DOC`: a document from a layout description. The document
// file appears only when everything was built and saved; a faulty description leaves no file.
#pragma once

#include <string>

class NewCommand {
public:
    NewCommand(std::string layoutPath, std::string documentPath)
        : fLayoutPath(std::move(layoutPath)), fDocumentPath(std::move(documentPath)) {}
    // The exit status; failures are reported on standard error in one sentence.
    int Run() const;

private:
    std::string fLayoutPath;
    std::string fDocumentPath;
};
