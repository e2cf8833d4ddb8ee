// NotesDocumentServiceProvider: registers the document responder for the document signals: after a
// new or opened document, before a close, and before the three kinds of save.
#pragma once

#include "host/notify/CServiceProvider.h"

class NotesDocumentServiceProvider final : public CServiceProvider {
public:
    explicit NotesDocumentServiceProvider(IPMUnknown* boss)
        : CServiceProvider(boss, "Notes Document Responder Service", DocumentLifeSignals()) {}
};
