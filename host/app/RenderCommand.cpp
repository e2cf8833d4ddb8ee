#include "RenderCommand.h"

#include <cstdio>

#include "OutputPath.h"
#include "host/document/DocumentManager.h"
#include "host/graphics/PageRenderer.h"

int RenderCommand::Run() const {
    if (const auto refusal = OutputPath::Refusal(fOutPath, {fDocumentPath})) {
        std::fprintf(stderr, "pagehost: %s\n", refusal->c_str());
        return 1;
    }
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
