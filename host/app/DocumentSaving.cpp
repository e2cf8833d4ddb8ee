#include "DocumentSaving.h"

#include <cstdio>

#include "host/document/DocumentManager.h"

int DocumentSaving::SaveAndClose(IDocument* document, bool save, const std::string& out, int status) {
    if (save) {
        std::string message;
        const ErrorCode saved = out.empty()
                                    ? DocumentManager::Instance().SaveDocument(document, &message)
                                    : DocumentManager::Instance().SaveDocumentAs(document, out, &message);
        status = saved == kSuccess ? 0 : 1;
        if (saved != kSuccess)
            std::fprintf(stderr, "pagehost: %s\n", message.c_str());
    }
    DocumentManager::Instance().CloseDocument(document);
    return status;
}
