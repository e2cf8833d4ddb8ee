#include "RenderCommand.h"

#include <cstdio>

#include "host/document/DocumentManager.h"
#include "host/graphics/PageRenderer.h"

int RenderCommand::Run() const {
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(fDocumentPath);
    if (opened.error != kSuccess) {
        std::fprintf(stderr, "pagehost: %s\n", opened.message.c_str());
        return 1;
    }
    const PageRenderer::Result result = PageRenderer::RenderPageToPNG(opened.document->GetDocumentDataBase(),
                                                                      fPageNumber - 1, fScale, fOutPath);
    DocumentManager::Instance().CloseDocument(opened.document);
    if (result.error != kSuccess) {
        std::fprintf(stderr, "pagehost: %s\n", result.message.c_str());
        return 1;
    }
    return 0;
}
