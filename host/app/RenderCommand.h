// RenderCommand: `pagehost render DOC --page N --out PAGE.png [--scale S]`: one page as the layout
// view draws it, with a margin of its pasteboard, S pixels per point.
#pragma once

#include <string>

class RenderCommand {
public:
    RenderCommand(std::string documentPath, int pageNumber, std::string outPath, double scale)
        : fDocumentPath(std::move(documentPath)), fPageNumber(pageNumber), fOutPath(std::move(outPath)),
          fScale(scale) {}
    int Run() const;

private:
    std::string fDocumentPath;
    int fPageNumber;
    std::string fOutPath;
    double fScale;
};
